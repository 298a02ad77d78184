#include "ui/toolkit/screen_readers.h"

#include <QByteArray>
#include <QtGlobal>

namespace tavro::toolkit {

void StayVisibleToLaterScreenReaders() {
  // Qt's own switch for assistive tools that never say they are on. It only
  // counts once an accessibility bus is there, so without one nothing at all
  // happens; the user's own setting of it is left alone.
  static constexpr char kAlwaysOn[] = "QT_LINUX_ACCESSIBILITY_ALWAYS_ON";
  if (!qEnvironmentVariableIsSet(kAlwaysOn)) qputenv(kAlwaysOn, QByteArray("1"));
}

}  // namespace tavro::toolkit
