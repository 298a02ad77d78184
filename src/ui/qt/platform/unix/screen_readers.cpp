// On Linux and other Unix systems Qt asks the accessibility bus (AT-SPI) once,
// when the program starts, whether a screen reader is on, and never again: a
// program started before the screen reader would stay unseen by it. So the
// program joins the accessibility bus whenever one runs (at start, or when it
// appears later), as other desktop programs do, and stays silent where none
// runs.
#include <QByteArray>
#include <QtGlobal>

#include "ui/qt/platform/platform.h"

namespace tavro::qt {

void StayVisibleToLaterScreenReaders() {
  // Qt's own switch for assistive tools that never say they are on. It only
  // counts once an accessibility bus is there, so without one nothing at all
  // happens; the user's own setting of it is left alone.
  static constexpr char kAlwaysOn[] = "QT_LINUX_ACCESSIBILITY_ALWAYS_ON";
  if (!qEnvironmentVariableIsSet(kAlwaysOn)) qputenv(kAlwaysOn, QByteArray("1"));
}

}  // namespace tavro::qt
