#pragma once

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "support/widget_input.h"
#include "support/window_table.h"
#include "ui/layout/window_layout.h"
#include "ui/qt/program/desktop_program.h"
#include "ui/qt/widgets/client_area.h"
#include "ui/qt/widgets/layout_window.h"

namespace tavro::qt::testing {

inline QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Skips the running test function where the environment its CTest entry sets
// does not apply (a locale the system lacks, a scale Qt did not take). The
// line QtTest prints for the skip starts with "environment missing:", by
// which CTest reports the entry as skipped, never as passed
// (SKIP_REGULAR_EXPRESSION, tests/ui/qt/CMakeLists.txt).
#define TAVRO_SKIP_UNLESS(applies, needs)                 \
  do {                                                    \
    if (!(applies)) QSKIP("environment missing: " needs); \
  } while (false)

// The layout of one of the program's windows, by its name.
inline const layout::WindowLayout& LayoutNamed(const QString& name) {
  return *support::LayoutOf(name.toStdString());
}

// The offscreen platform cannot raise a window and says so each time.
inline void QuietenOffscreenRaise() {
  static const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QStringLiteral("does not support raise()")))
          previous(type, context, message);
      });
}

// The desktop program on the offscreen platform, started with its Standard
// window. Ending the program is counted instead of leaving the event loop.
class TestProgram {
 public:
  TestProgram() {
    QuietenOffscreenRaise();
    program_.Start();
  }

  DesktopProgram& program() { return program_; }
  shell::Shell& shell() { return program_.Shell(); }
  int ends() const { return ends_; }

  // The open window's visible part; nullptr when the window is not open.
  LayoutWindow* Window(std::string_view name) { return program_.Windows().Window(name); }

  // Chooses a menu entry (or a menu-bar entry without a drop-down) of an open
  // window, as a click on it would.
  void Choose(std::string_view window, std::string_view entry) {
    LayoutWindow* open = Window(window);
    QVERIFY2(open, qPrintable(Q(window) + " is not open"));
    auto* action = open->findChild<QAction*>(Q(entry));
    QVERIFY2(action, qPrintable(Q(entry) + " is not an entry of " + Q(window)));
    action->trigger();
    support::Settle();
  }

  // Opens a window through the menus, starting from the Standard window.
  LayoutWindow* Open(std::string_view name) {
    static const std::map<std::string_view,
                          std::vector<std::pair<std::string_view, std::string_view>>>
        kRoutes{
            {"Form1", {}},
            {"Form2", {{"Form1", "f1"}}},
            {"Form3", {{"Form1", "f2"}}},
            {"Form4", {{"Form1", "f3"}}},
            {"Form5", {{"Form1", "f2"}, {"Form3", "help2"}}},
            {"Form6", {{"Form1", "f4"}}},
        };
    for (const auto& [window, entry] : kRoutes.at(name)) Choose(window, entry);
    LayoutWindow* window = Window(name);
    if (window && !QTest::qWaitForWindowActive(window)) return nullptr;
    return window;
  }

  // The program's windows that are on the screen, by name.
  static QStringList VisibleWindows() {
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (dynamic_cast<LayoutWindow*>(widget) && widget->isVisible()) names << widget->objectName();
    names.sort();
    return names;
  }

 private:
  int ends_ = 0;
  DesktopProgram program_{[this] { ++ends_; }};
};

}  // namespace tavro::qt::testing
