// On Linux and other Unix systems every style draws its faces in the
// palette's colours.
#include "ui/toolkit/native_style.h"

namespace tavro::toolkit {

bool StyleShowsScheme(const QString& /*style*/, const QPalette& /*palette*/) { return true; }

}  // namespace tavro::toolkit
