#pragma once

// Where the systems the program runs on differ: everything else of the Qt
// adapter is the same everywhere. Each system has a folder of its own beside
// this header (unix/, windows/), one file in it for each concern below, and
// the build adds one of the folders.

#include <QPalette>
#include <QString>
#include <memory>

class QWidget;

namespace tavro::qt {

// --- Before the application object (display_check.cpp) ---

// Whether the program has a display to open its windows on. Where it has none
// (started from an SSH terminal, a text console or a service, or with the
// display's server gone), the check says so in one line on standard error,
// naming the variables it looked at, and CanOpenWindows() is false: the caller
// ends with status 1, where Qt would abort. `argc` and `argv` are the
// program's own, for Qt's options that choose the window system. Make it
// before the application object.
//
// The connection by which the check found an X server is held open until
// Release(), to be called once the application object has connected: an X
// server whose last client leaves resets itself, and the reset ends every
// connection it accepted meanwhile, so a check that closed its connection
// just before Qt opened its own could end Qt's. Until then, too, a server
// that closes Qt's connection makes the start fail, as above, and never ends
// the program by a signal.
class DisplayCheck {
 public:
  DisplayCheck(int argc, char* argv[]);
  ~DisplayCheck();
  DisplayCheck(const DisplayCheck&) = delete;
  DisplayCheck& operator=(const DisplayCheck&) = delete;

  bool CanOpenWindows() const { return can_open_; }
  void Release();

 private:
  struct Held;
  bool can_open_ = true;
  std::unique_ptr<Held> held_;
};

// Chooses the window-system plugin Qt loads, where the system has more than
// one (window_system_choice.cpp); call before the application object is made.
void ChooseWindowSystem();

// Lets a screen reader that starts after the program find it, where the
// system's accessibility bridge would otherwise ask only once, at start
// (screen_readers.cpp). Call before the application object is made.
void StayVisibleToLaterScreenReaders();

// --- On the running application ---

// Whether the window system draws the windows' frames (title bar and its
// buttons) itself, from what each window asks for; where it does not, the
// program draws them (window_frames.cpp). Asked once.
bool WindowSystemDrawsFrames();

// What the window-system plugin Qt runs on cannot do as the others do
// (window_system_plugin.cpp). Whether a window that is asked to come to the
// front must be hidden and shown afresh: a Wayland client is told neither that
// its window was minimised nor may it raise it.
bool RaisingShowsAfresh();
// Whether a pointer's hot spot is given in its picture's own pixels rather
// than in device-independent ones (Qt's X11 plugin).
bool PointerHotSpotInPicturePixels();

// Whether the style of the given name shows the palette's colours on the
// faces it draws; where it does not, the program draws with Qt's classic
// style instead, which paints every face in the palette's colours
// (native_style.cpp).
bool StyleShowsScheme(const QString& style, const QPalette& palette);

// Tells a screen reader `text` on behalf of `window`, a top-level window,
// while the focus stays where it is: each system delivers it in its own way
// (notification_announcer.cpp, uia_announcer.cpp).
void Announce(QWidget& window, const QString& text);

}  // namespace tavro::qt
