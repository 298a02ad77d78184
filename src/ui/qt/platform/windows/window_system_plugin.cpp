// On Windows Qt's windows plugin raises a window when asked, and reads a
// pointer's hot spot in device-independent pixels.
#include "ui/qt/platform/platform.h"

namespace tavro::qt {

bool RaisingShowsAfresh() { return false; }
bool PointerHotSpotInPicturePixels() { return false; }

}  // namespace tavro::qt
