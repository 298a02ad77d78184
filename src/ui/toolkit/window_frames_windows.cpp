// On Windows the desktop window manager draws every frame.
#include "ui/toolkit/window_frames.h"

namespace tavro::toolkit {

bool WindowSystemDrawsFrames() { return true; }

}  // namespace tavro::toolkit
