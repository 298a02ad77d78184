// On Windows every program started in a user's session has the desktop to
// open its windows on, and nothing is held.
#include "ui/qt/platform/platform.h"

namespace tavro::qt {

struct DisplayCheck::Held {};

DisplayCheck::DisplayCheck(int /*argc*/, char* /*argv*/[]) {}
DisplayCheck::~DisplayCheck() = default;
void DisplayCheck::Release() { held_.reset(); }

}  // namespace tavro::qt
