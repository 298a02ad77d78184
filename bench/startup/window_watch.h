#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace tavro::bench {

using Clock = std::chrono::steady_clock;

// A top-level window that became visible, and when this client learnt it.
struct MappedWindow {
  xcb_window_t window = XCB_WINDOW_NONE;
  Clock::time_point at;
};

// An X client that watches the root window for top-level windows being
// mapped and types keys as if on the keyboard (XTest). It listens from the
// moment it is made, so a window mapped by a program started afterwards is
// never missed.
class WindowWatch {
 public:
  explicit WindowWatch(const std::string& display);  // throws std::runtime_error
  ~WindowWatch();
  WindowWatch(const WindowWatch&) = delete;
  WindowWatch& operator=(const WindowWatch&) = delete;

  // Waits for a top-level window of process `pid` other than `except` to be
  // mapped; menus, tooltips and other override-redirect windows do not count.
  // The time is taken as the map notice is read, before anything is asked of
  // the server. Nothing when the deadline passes first.
  std::optional<MappedWindow> WaitForMap(pid_t pid, xcb_window_t except,
                                         Clock::time_point deadline);

  // Forgets every notice received so far (windows of earlier runs).
  void Drain();

  // Gives the keyboard focus to a window, as a click on it would.
  void Focus(xcb_window_t window);

  // Presses and releases a key, with Ctrl held when `control` is set;
  // returns when the keys were handed to the server.
  Clock::time_point Press(xcb_keysym_t keysym, bool control);

 private:
  std::optional<pid_t> PidOf(xcb_window_t window);
  xcb_keycode_t KeycodeOf(xcb_keysym_t keysym);

  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = XCB_WINDOW_NONE;
  xcb_atom_t wm_pid_ = XCB_ATOM_NONE;
};

}  // namespace tavro::bench
