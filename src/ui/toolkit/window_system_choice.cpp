#include "ui/toolkit/window_system_choice.h"

namespace tavro::toolkit {

QByteArray WindowSystemFor(const SessionVariables& session) {
  if (!session.platform.isEmpty()) return {};
  const bool wayland_session =
      session.session_type == "wayland" || !session.wayland_display.isEmpty();
  if (!wayland_session || session.x_display.isEmpty()) return {};
  return QByteArrayLiteral("xcb;wayland");
}

}  // namespace tavro::toolkit
