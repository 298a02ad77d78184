// The window-system plugin chosen for a session before Qt starts.
#include "ui/qt/platform/unix/window_system_choice.h"

#include <QTest>

namespace tavro::qt::testing {

class WindowSystemChoiceTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void choice_data() {
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("session_type");
    QTest::addColumn<QByteArray>("wayland_display");
    QTest::addColumn<QByteArray>("x_display");
    QTest::addColumn<QByteArray>("chosen");
    const QByteArray leave_to_qt;
    const QByteArray x_first = "xcb;wayland";
    QTest::newRow("X11 session") << QByteArray() << QByteArray("x11") << QByteArray()
                                 << QByteArray(":0") << leave_to_qt;
    QTest::newRow("Wayland session with Xwayland")
        << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0")
        << x_first;
    QTest::newRow("Wayland display only, Xwayland")
        << QByteArray() << QByteArray() << QByteArray("wayland-0") << QByteArray(":1") << x_first;
    QTest::newRow("Wayland session type only, Xwayland")
        << QByteArray() << QByteArray("wayland") << QByteArray() << QByteArray(":1") << x_first;
    QTest::newRow("Wayland without an X server")
        << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray()
        << leave_to_qt;
    QTest::newRow("the user chose Wayland")
        << QByteArray("wayland") << QByteArray("wayland") << QByteArray("wayland-0")
        << QByteArray(":0") << leave_to_qt;
    QTest::newRow("the user chose offscreen")
        << QByteArray("offscreen") << QByteArray("wayland") << QByteArray("wayland-0")
        << QByteArray(":0") << leave_to_qt;
    QTest::newRow("no session at all")
        << QByteArray() << QByteArray() << QByteArray() << QByteArray() << leave_to_qt;
  }
  void choice() {
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, session_type);
    QFETCH(QByteArray, wayland_display);
    QFETCH(QByteArray, x_display);
    QFETCH(QByteArray, chosen);
    QCOMPARE(WindowSystemFor({platform, session_type, wayland_display, x_display}), chosen);
  }
};

}  // namespace tavro::qt::testing

QTEST_GUILESS_MAIN(tavro::qt::testing::WindowSystemChoiceTest)
#include "window_system_choice_test.moc"
