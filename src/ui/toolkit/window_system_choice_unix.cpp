#include <QtGlobal>

#include "ui/toolkit/window_system_choice.h"

namespace tavro::toolkit {

void ChooseWindowSystem() {
  const QByteArray chosen =
      WindowSystemFor({qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                       qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")});
  if (!chosen.isEmpty()) qputenv("QT_QPA_PLATFORM", chosen);
}

}  // namespace tavro::toolkit
