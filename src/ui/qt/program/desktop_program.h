#pragma once

#include <functional>

#include "ui/qt/program/qt_clipboard.h"
#include "ui/qt/program/qt_window_system.h"
#include "ui/shell/shell.h"

namespace tavro::qt {

// The whole desktop program on a running QApplication: the shell with its
// windows realised in Qt, the system clipboard and the user's decimal
// separator.
class DesktopProgram {
 public:
  // `end_process` ends the event loop; by default QCoreApplication::exit(0).
  explicit DesktopProgram(std::function<void()> end_process = {});
  ~DesktopProgram();

  // Opens the Standard window.
  void Start() { shell_.Start(); }

  shell::Shell& Shell() { return shell_; }
  QtWindowSystem& Windows() { return windows_; }

 private:
  // Loads the pictures and the program icon before the first window is built.
  struct Assets {
    Assets();
  };

  Assets assets_;
  QtClipboard clipboard_;
  QtWindowSystem windows_;
  shell::Shell shell_;
};

}  // namespace tavro::qt
