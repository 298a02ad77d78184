// On Windows no window system is chosen: Qt's windows plugin, built into the
// program, is the only one, whatever variables of a Linux session Wine hands
// on to the programs it runs.
#include <QTest>

#include "ui/qt/platform/platform.h"

namespace tavro::qt::testing {

class WindowSystemChoiceWindowsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aLinuxSessionChoosesNothing() {
    qunsetenv("QT_QPA_PLATFORM");
    qputenv("XDG_SESSION_TYPE", "wayland");
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    qputenv("DISPLAY", ":0");
    ChooseWindowSystem();
    QVERIFY(!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
  }
};

}  // namespace tavro::qt::testing

QTEST_GUILESS_MAIN(tavro::qt::testing::WindowSystemChoiceWindowsTest)
#include "window_system_choice_windows_test.moc"
