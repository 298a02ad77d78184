#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/clipboard.h"
#include "core/decimal_separator.h"
#include "core/window_model.h"
#include "ui/layout/window_layout.h"

namespace tavro::shell {

// What a window system is handed to open one window. It is all the window
// system needs of the shell: the layout brings the window's name, controls
// and menu bar, the model its fields' texts.
struct WindowToOpen {
  WindowModel& model;  // the texts the fields show, and where typing goes
  const layout::WindowLayout& layout;
  std::string accessible_name;  // what a screen reader calls the window
};

// What the shell needs of a windowing toolkit. The toolkit builds a window's
// visible part from its layout and shows the model's field texts in it; every
// button and menu entry it builds runs Shell::Invoke with its handler's name.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  // Builds the visible part from the layout, shows the window at its start
  // position, makes it the active window and gives the focus to its first
  // control in tab order.
  virtual void Open(const WindowToOpen& window) = 0;
  // Discards the visible part of an open window.
  virtual void Close(std::string_view window) = 0;
  // Makes an open window the active one.
  virtual void Activate(std::string_view window) = 0;
  // Ends the program at once; every window vanishes.
  virtual void Quit() = 0;
};

enum class WindowState { NotCreated, Closed, Open };

// The program's windows and their states: startup, switching between modes,
// the single Help window, End, and program end when the last window closes.
class Shell {
 public:
  Shell(WindowSystem& windows, DecimalSeparator separator, Clipboard& clipboard);
  ~Shell();

  // Creates Form1's object and opens it.
  void Start();

  // Runs an operation of an open window by its handler name: a calculating
  // button, a switch to another mode, Help, or End. False, and nothing runs,
  // when the window is not open or has no such operation.
  bool Invoke(std::string_view window, std::string_view operation);
  bool CanInvoke(std::string_view window, std::string_view operation) const;

  // Opens a window as the menus do: a mode window by a switch from the open
  // mode window (which is closed first; a window already open is closed and
  // opened afresh, its fields empty), the Help window beside the mode window.
  // False, and nothing happens, for an unknown name or once the program has
  // ended. For tools that drive the program by window names.
  bool OpenWindow(std::string_view window);

  // The user closed a window with its title bar's close button. The shell
  // discards its visible part (WindowSystem::Close) and, when no window is
  // left open, ends the program (WindowSystem::Quit).
  void CloseByUser(std::string_view window);

  // The user's regional settings changed: every window, created or still to
  // be, reads and writes numbers with this separator from now on.
  void SetDecimalSeparator(DecimalSeparator separator);

  WindowState StateOf(std::string_view window) const;
  // The window's object; nullptr while it is not created.
  WindowModel* Model(std::string_view window);
  // False once the program has ended (End, or the last window closed).
  bool Running() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Whether an operation of a window reads the clipboard (the converter's
// Paste), found by running it once on a fresh object of that window with a
// clipboard that notes being read. A toolkit that reads the system clipboard
// only asynchronously (a browser) fetches the text before it runs such an
// operation. False for an unknown window or operation and for menu entries.
bool ReadsClipboard(std::string_view window, std::string_view operation);

}  // namespace tavro::shell
