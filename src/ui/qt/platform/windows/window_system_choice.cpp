#include "ui/qt/platform/platform.h"

namespace tavro::qt {

// Windows has one window system, Qt's windows plugin, built into the program.
// The variables of a Linux session, which Wine hands on to the programs it
// runs, must not ask for a plugin that is not there.
void ChooseWindowSystem() {}

}  // namespace tavro::qt
