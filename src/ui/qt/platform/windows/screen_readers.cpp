// On Windows a screen reader asks a program for what it shows through UI
// Automation whenever it starts, and Qt answers it then: nothing is to be done
// beforehand.
#include "ui/qt/platform/platform.h"

namespace tavro::qt {

void StayVisibleToLaterScreenReaders() {}

}  // namespace tavro::qt
