#pragma once

// The parts of CanOpenWindows() on Linux and other Unix systems, where the
// windows go to an X server or a Wayland compositor.

#include <functional>
#include <string>

namespace tavro::qt {

// What decides where Qt opens the windows, as it is set; a missing variable is
// empty, as is one set to nothing.
struct DisplaySettings {
  // The window systems to try, in order, separated by ';' (Qt's -platform
  // option, else QT_QPA_PLATFORM); empty leaves the choice to Qt.
  std::string platforms;
  std::string platforms_from = "QT_QPA_PLATFORM";  // or "-platform"
  // The X server (Qt's -display option, else DISPLAY).
  std::string x_display;
  std::string x_display_from = "DISPLAY";  // or "-display"
  std::string wayland_display;             // WAYLAND_DISPLAY
  bool wayland_socket = false;             // WAYLAND_SOCKET: a connection handed over
  std::string runtime_dir;                 // XDG_RUNTIME_DIR
};

// The settings of this process: its environment, and Qt's options among its
// arguments.
DisplaySettings CurrentDisplaySettings(int argc, char* argv[]);

// Whether a server answers.
struct DisplayProbes {
  std::function<bool(const std::string& display)> x_server;        // at a DISPLAY value
  std::function<bool(const std::string& socket_path)> compositor;  // at a Wayland socket
};

// The one line to print when the windows have nowhere to open; empty when a
// server answers for one of the window systems Qt will try, or when Qt will
// try one that needs no display (offscreen, minimal, vnc...) or one that
// cannot be checked beforehand.
std::string MissingDisplayMessage(const DisplaySettings& settings, const DisplayProbes& probes);

// The real probes: a connection to the server's socket, closed at once, as the
// window system's client library would make it. A display that cannot be told
// beforehand (an X server on another machine that does not answer in time)
// counts as answering: Qt then tries it itself. Where `kept` is given, the
// connection to an X server that answered is kept open instead, and its
// descriptor stored there for the caller to close (see DisplayCheck).
bool XServerAnswers(const std::string& display, int* kept = nullptr);
bool CompositorAnswers(const std::string& socket_path);

}  // namespace tavro::qt
