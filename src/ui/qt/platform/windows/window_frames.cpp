// On Windows the desktop window manager draws every frame.
#include "ui/qt/platform/platform.h"

namespace tavro::qt {

bool WindowSystemDrawsFrames() { return true; }

}  // namespace tavro::qt
