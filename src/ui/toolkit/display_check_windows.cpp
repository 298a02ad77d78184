// On Windows every program started in a user's session has the desktop to
// open its windows on.
#include "ui/toolkit/display_check.h"

namespace tavro::toolkit {

bool CanOpenWindows(int /*argc*/, char* /*argv*/[]) { return true; }

}  // namespace tavro::toolkit
