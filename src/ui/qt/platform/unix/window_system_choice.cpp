#include "ui/qt/platform/unix/window_system_choice.h"

#include <QtGlobal>

#include "ui/qt/platform/platform.h"

namespace tavro::qt {

QByteArray WindowSystemFor(const SessionVariables& session) {
  if (!session.platform.isEmpty()) return {};
  const bool wayland_session =
      session.session_type == "wayland" || !session.wayland_display.isEmpty();
  if (!wayland_session || session.x_display.isEmpty()) return {};
  return QByteArrayLiteral("xcb;wayland");
}

// QT_QPA_PLATFORM for this process, as WindowSystemFor says.
void ChooseWindowSystem() {
  const QByteArray chosen =
      WindowSystemFor({qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                       qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")});
  if (!chosen.isEmpty()) qputenv("QT_QPA_PLATFORM", chosen);
}

}  // namespace tavro::qt
