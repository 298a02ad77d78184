// On Linux and other Unix systems every style draws its faces in the
// palette's colours.
#include "ui/qt/platform/platform.h"

namespace tavro::qt {

bool StyleShowsScheme(const QString& /*style*/, const QPalette& /*palette*/) { return true; }

}  // namespace tavro::qt
