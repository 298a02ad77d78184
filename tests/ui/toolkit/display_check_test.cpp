// Whether the program finds a display before Qt starts, on Linux and other
// Unix systems: what it tries, from which variables, and the one line it
// prints when there is none.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "ui/toolkit/display_check_unix.h"

namespace tavro::toolkit::testing {

namespace {

// Servers that answer, by DISPLAY value and by socket path; every question
// asked is kept.
struct Servers {
  std::set<std::string> x_servers;
  std::set<std::string> compositors;
  std::vector<std::string> asked;

  DisplayProbes Probes() {
    return {[this](const std::string& display) {
              asked.push_back("x " + display);
              return x_servers.count(display) > 0;
            },
            [this](const std::string& path) {
              asked.push_back("wayland " + path);
              return compositors.count(path) > 0;
            }};
  }
};

DisplaySettings Nothing() { return {}; }

}  // namespace

class DisplayCheckTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void noVariablesAtAll() {
    Servers servers;
    QCOMPARE(MissingDisplayMessage(Nothing(), servers.Probes()),
             std::string("tavro: no display to open its windows on: DISPLAY and WAYLAND_DISPLAY "
                         "are not set"));
  }

  void anXServerThatAnswers() {
    Servers servers;
    servers.x_servers = {":0"};
    DisplaySettings settings;
    settings.x_display = ":0";
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()), std::string());
    QCOMPARE(servers.asked, std::vector<std::string>{"x :0"});  // and nothing more
  }

  void anXServerThatIsGone() {
    Servers servers;
    DisplaySettings settings;
    settings.x_display = ":99";
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()),
             std::string("tavro: no display to open its windows on: no X server answers at "
                         "DISPLAY=:99; WAYLAND_DISPLAY is not set"));
  }

  void aWaylandCompositorWhereTheXServerIsGone() {
    Servers servers;
    servers.compositors = {"/run/user/1000/wayland-0"};
    DisplaySettings settings;
    settings.x_display = ":1";
    settings.wayland_display = "wayland-0";
    settings.runtime_dir = "/run/user/1000";
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()), std::string());
  }

  void aWaylandCompositorGone() {
    Servers servers;
    DisplaySettings settings;
    settings.wayland_display = "wayland-1";
    settings.runtime_dir = "/run/user/1000";
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()),
             std::string("tavro: no display to open its windows on: DISPLAY is not set; no "
                         "Wayland compositor answers at WAYLAND_DISPLAY=wayland-1"));
    QCOMPARE(servers.asked, std::vector<std::string>{"wayland /run/user/1000/wayland-1"});
  }

  void aWaylandSocketByItsPath() {
    Servers servers;
    servers.compositors = {"/tmp/compositor"};
    DisplaySettings settings;
    settings.wayland_display = "/tmp/compositor";
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()), std::string());
  }

  void aWaylandDisplayWithoutARuntimeFolder() {
    Servers servers;
    DisplaySettings settings;
    settings.wayland_display = "wayland-0";
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()),
             std::string("tavro: no display to open its windows on: DISPLAY is not set; "
                         "WAYLAND_DISPLAY=wayland-0, but XDG_RUNTIME_DIR is not set"));
    QVERIFY(servers.asked.empty());
  }

  void aConnectionHandedOver() {
    Servers servers;
    DisplaySettings settings;
    settings.wayland_socket = true;
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()), std::string());
  }

  void theDefaultCompositorWithoutWaylandDisplay() {
    // libwayland-client's default name, where a compositor may listen.
    Servers servers;
    servers.compositors = {"/run/user/0/wayland-0"};
    DisplaySettings settings;
    settings.runtime_dir = "/run/user/0";
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()), std::string());
  }

  void platformsThatNeedNoDisplay_data() {
    QTest::addColumn<QString>("platforms");
    QTest::newRow("offscreen") << "offscreen";
    QTest::newRow("minimal") << "minimal";
    QTest::newRow("vnc with arguments") << "vnc:size=800x600";
    QTest::newRow("xcb, else offscreen") << "xcb;offscreen";
    QTest::newRow("a name Qt may know") << "eglfs";
  }
  void platformsThatNeedNoDisplay() {
    QFETCH(QString, platforms);
    Servers servers;
    DisplaySettings settings;
    settings.platforms = platforms.toStdString();
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()), std::string());
  }

  void chosenWaylandIsNotLookedForOnTheXServer() {
    Servers servers;
    servers.x_servers = {":0"};
    DisplaySettings settings;
    settings.platforms = "wayland";
    settings.x_display = ":0";
    settings.wayland_display = "wayland-0";
    settings.runtime_dir = "/run/user/0";
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()),
             std::string("tavro: no display to open its windows on: QT_QPA_PLATFORM=wayland; no "
                         "Wayland compositor answers at WAYLAND_DISPLAY=wayland-0"));
    QCOMPARE(servers.asked, std::vector<std::string>{"wayland /run/user/0/wayland-0"});
  }

  void chosenXWithoutDisplay() {
    Servers servers;
    servers.compositors = {"/run/user/0/wayland-0"};
    DisplaySettings settings;
    settings.platforms = "XCB";
    settings.wayland_display = "wayland-0";
    settings.runtime_dir = "/run/user/0";
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()),
             std::string("tavro: no display to open its windows on: QT_QPA_PLATFORM=XCB; DISPLAY "
                         "is not set"));
  }

  void chosenListTriesEach() {
    Servers servers;
    servers.compositors = {"/run/user/0/wayland-0"};
    DisplaySettings settings;
    settings.platforms = "xcb;wayland-egl";
    settings.x_display = ":3";
    settings.runtime_dir = "/run/user/0";
    QCOMPARE(MissingDisplayMessage(settings, servers.Probes()), std::string());
    QCOMPARE(servers.asked, (std::vector<std::string>{"x :3", "wayland /run/user/0/wayland-0"}));
  }

  void qtOptionsComeBeforeTheVariables() {
    char program[] = "tavro";
    char platform_option[] = "--platform";
    char platform[] = "offscreen";
    char display_option[] = "-display";
    char display[] = ":7";
    char* argv[] = {program, platform_option, platform, display_option, display, nullptr};
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("DISPLAY", ":0");
    const DisplaySettings settings = CurrentDisplaySettings(5, argv);
    qunsetenv("QT_QPA_PLATFORM");
    QCOMPARE(settings.platforms, std::string("offscreen"));
    QCOMPARE(settings.platforms_from, std::string("-platform"));
    QCOMPARE(settings.x_display, std::string(":7"));
    QCOMPARE(settings.x_display_from, std::string("-display"));

    Servers servers;
    DisplaySettings x_only = settings;
    x_only.platforms = "xcb";
    QCOMPARE(MissingDisplayMessage(x_only, servers.Probes()),
             std::string("tavro: no display to open its windows on: -platform xcb; no X server "
                         "answers at -display :7"));
  }

  void anEmptyPlatformIsLeftToQt() {
    qputenv("QT_QPA_PLATFORM", "");
    char program[] = "tavro";
    char* argv[] = {program, nullptr};
    const DisplaySettings settings = CurrentDisplaySettings(1, argv);
    qunsetenv("QT_QPA_PLATFORM");
    QVERIFY(settings.platforms.empty());
  }

  void controlCharactersStayOnOneLine() {
    Servers servers;
    DisplaySettings settings;
    settings.x_display = ":1\nsecond line";
    const std::string message = MissingDisplayMessage(settings, servers.Probes());
    QVERIFY(message.find('\n') == std::string::npos);
    QVERIFY(message.find(":1?second line") != std::string::npos);
  }

  // The real probes, on sockets of a private folder.
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

  void xDisplaysThatCannotBe() {
    QVERIFY(!XServerAnswers(""));
    QVERIFY(!XServerAnswers("garbage"));
    QVERIFY(!XServerAnswers(":"));
    QVERIFY(!XServerAnswers(":x"));
  }
};

}  // namespace tavro::toolkit::testing

QTEST_GUILESS_MAIN(tavro::toolkit::testing::DisplayCheckTest)
#include "display_check_test.moc"
