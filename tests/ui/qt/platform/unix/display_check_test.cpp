// Whether the program finds a display before Qt starts, on Linux and other
// Unix systems: what it tries, from which variables, and the one line it
// prints when there is none.
#include "ui/qt/platform/unix/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QTest>
#include <cstddef>
#include <cstring>
#include <string>

namespace tavro::qt::testing {

namespace {

const QString kNone = QStringLiteral("tavro: no display to open its windows on: ");

}  // namespace

class DisplayCheckTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Each row: the settings; the X servers (by DISPLAY) and compositors (by
  // socket path) that answer; the line printed (empty when the windows can
  // open); and the servers asked, in order.
  void decision_data() {
    QTest::addColumn<QString>("platforms");
    QTest::addColumn<QString>("x_display");
    QTest::addColumn<QString>("wayland_display");
    QTest::addColumn<QString>("runtime_dir");
    QTest::addColumn<bool>("wayland_socket");
    QTest::addColumn<QStringList>("answering");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("asked");
    const QString run = QStringLiteral("/run/user/1000");
    const QString socket = run + QStringLiteral("/wayland-0");
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << ""
                                 << "" << false << QStringList()
                                 << kNone + "DISPLAY and WAYLAND_DISPLAY are not set"
                                 << QStringList();
    QTest::newRow("an X server") << ""
                                 << ":0"
                                 << ""
                                 << "" << false << QStringList{":0"} << "" << QStringList{"x :0"};
    QTest::newRow("an X server gone")
        << ""
        << ":99"
        << ""
        << "" << false << QStringList()
        << kNone + "no X server answers at DISPLAY=:99; WAYLAND_DISPLAY is not set"
        << QStringList{"x :99"};
    QTest::newRow("Wayland where Xwayland is gone")
        << ""
        << ":1"
        << "wayland-0" << run << false << QStringList{socket} << ""
        << QStringList{"x :1", "wayland " + socket};
    QTest::newRow("a compositor gone")
        << ""
        << ""
        << "wayland-1" << run << false << QStringList()
        << kNone + "DISPLAY is not set; no Wayland compositor answers at WAYLAND_DISPLAY=wayland-1"
        << QStringList{"wayland " + run + "/wayland-1"};
    QTest::newRow("a compositor by its path") << ""
                                              << ""
                                              << "/tmp/compositor"
                                              << "" << false << QStringList{"/tmp/compositor"} << ""
                                              << QStringList{"wayland /tmp/compositor"};
    QTest::newRow("no runtime folder")
        << ""
        << ""
        << "wayland-0"
        << "" << false << QStringList()
        << kNone + "DISPLAY is not set; WAYLAND_DISPLAY=wayland-0, but XDG_RUNTIME_DIR is not set"
        << QStringList();
    QTest::newRow("a connection handed over") << ""
                                              << ""
                                              << ""
                                              << "" << true << QStringList() << "" << QStringList();
    QTest::newRow("the default compositor")
        << ""
        << ""
        << "" << run << false << QStringList{socket} << "" << QStringList{"wayland " + socket};
    for (const char* platform :
         {"offscreen", "minimal", "vnc:size=800x600", "xcb;offscreen", "eglfs"})
      QTest::newRow(platform) << platform << ""
                              << ""
                              << "" << false << QStringList() << "" << QStringList{};
    QTest::newRow("Wayland chosen: not the X server")
        << "wayland"
        << ":0"
        << "wayland-0" << run << false << QStringList{":0"}
        << kNone +
               "QT_QPA_PLATFORM=wayland; no Wayland compositor answers at "
               "WAYLAND_DISPLAY=wayland-0"
        << QStringList{"wayland " + socket};
    QTest::newRow("Wayland chosen, nothing set")
        << "wayland"
        << ""
        << ""
        << "" << false << QStringList()
        << kNone + "QT_QPA_PLATFORM=wayland; WAYLAND_DISPLAY and XDG_RUNTIME_DIR are not set"
        << QStringList();
    QTest::newRow("Wayland chosen, the default compositor gone")
        << "wayland"
        << ""
        << "" << run << false << QStringList()
        << kNone +
               "QT_QPA_PLATFORM=wayland; WAYLAND_DISPLAY is not set, and no Wayland "
               "compositor answers at " +
               socket
        << QStringList{"wayland " + socket};
    QTest::newRow("X chosen, no DISPLAY")
        << "XCB"
        << ""
        << "wayland-0" << run << false << QStringList{socket}
        << kNone + "QT_QPA_PLATFORM=XCB; DISPLAY is not set" << QStringList();
    QTest::newRow("each chosen one tried") << "xcb;wayland-egl"
                                           << ":3"
                                           << "" << run << false << QStringList{socket} << ""
                                           << QStringList{"x :3", "wayland " + socket};
    QTest::newRow("on one line") << ""
                                 << ":1\nsecond line"
                                 << ""
                                 << "" << false << QStringList()
                                 << kNone +
                                        "no X server answers at DISPLAY=:1?second line; "
                                        "WAYLAND_DISPLAY is not set"
                                 << QStringList{"x :1\nsecond line"};
  }
  void decision() {
    QFETCH(QString, platforms);
    QFETCH(QString, x_display);
    QFETCH(QString, wayland_display);
    QFETCH(QString, runtime_dir);
    QFETCH(bool, wayland_socket);
    QFETCH(QStringList, answering);
    QFETCH(QString, message);
    QFETCH(QStringList, asked);
    DisplaySettings settings;
    settings.platforms = platforms.toStdString();
    settings.x_display = x_display.toStdString();
    settings.wayland_display = wayland_display.toStdString();
    settings.runtime_dir = runtime_dir.toStdString();
    settings.wayland_socket = wayland_socket;
    QStringList questions;
    const auto answer = [&](const QString& question, const std::string& where) {
      questions << question + QString::fromStdString(where);
      return answering.contains(QString::fromStdString(where));
    };
    const DisplayProbes probes{[&](const std::string& at) { return answer("x ", at); },
                               [&](const std::string& at) { return answer("wayland ", at); }};
    QCOMPARE(QString::fromStdString(MissingDisplayMessage(settings, probes)), message);
    QCOMPARE(questions, asked);
  }

  void qtOptionsComeBeforeTheVariables() {
    char program[] = "tavro";
    char platform_option[] = "--platform";
    char platform[] = "xcb";
    char display_option[] = "-display";
    char display[] = ":7";
    char* argv[] = {program, platform_option, platform, display_option, display, nullptr};
    qputenv("QT_QPA_PLATFORM", "wayland");
    qputenv("DISPLAY", ":0");
    const DisplaySettings settings = CurrentDisplaySettings(5, argv);
    qunsetenv("QT_QPA_PLATFORM");
    const DisplayProbes none{[](const std::string&) { return false; },
                             [](const std::string&) { return false; }};
    QCOMPARE(QString::fromStdString(MissingDisplayMessage(settings, none)),
             kNone + "-platform xcb; no X server answers at -display :7");
  }

  // The real probes, on a socket of a private folder.
  void aListeningSocketAnswers() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string path = folder.filePath(QStringLiteral("compositor")).toStdString();
    QVERIFY(!CompositorAnswers(path));
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(listening >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    QCOMPARE(bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    QCOMPARE(listen(listening, 4), 0);
    QVERIFY(CompositorAnswers(path));
    close(listening);
    QVERIFY(!CompositorAnswers(path));  // the socket's file stays, nobody listens
  }

  // The connection to an X server that answered is closed at once, unless the
  // caller keeps it; a kept one stays open until the caller closes it.
  void aKeptConnectionStaysOpen() {
    const int number = 40000 + getpid() % 20000;
    const std::string name = "/tmp/.X11-unix/X" + std::to_string(number);
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(listening >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.data(), name.size());  // an abstract name
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    QCOMPARE(bind(listening, reinterpret_cast<const sockaddr*>(&address), length), 0);
    QCOMPARE(listen(listening, 4), 0);
    // Whether the server's end of a connection sees the client gone.
    const auto client_gone = [](int accepted) {
      char byte;
      return recv(accepted, &byte, 1, MSG_DONTWAIT) == 0;
    };
    const std::string display = ":" + std::to_string(number);

    QVERIFY(XServerAnswers(display));
    int accepted = accept(listening, nullptr, nullptr);
    QVERIFY(client_gone(accepted));
    close(accepted);

    int kept = -1;
    QVERIFY(XServerAnswers(display, &kept));
    QVERIFY(kept >= 0);
    accepted = accept(listening, nullptr, nullptr);
    QVERIFY(!client_gone(accepted));
    close(kept);
    QVERIFY(client_gone(accepted));
    close(accepted);
    close(listening);
  }

  void xDisplaysThatCannotBe() {
    for (const char* display : {"", "garbage", ":", ":x", ":123456"})
      QVERIFY2(!XServerAnswers(display), display);
  }
};

}  // namespace tavro::qt::testing

QTEST_GUILESS_MAIN(tavro::qt::testing::DisplayCheckTest)
#include "display_check_test.moc"
