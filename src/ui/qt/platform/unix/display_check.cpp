// CanOpenWindows() on Linux and other Unix systems: Qt opens the windows on an
// X server or a Wayland compositor, and aborts the program when it reaches
// neither. Before Qt starts, the variables that name them are read and each
// server Qt would try is asked for a connection: what the client libraries do
// first, and no more. The connection to an X server is held until Qt has its
// own (platform.h).
#include "ui/qt/platform/unix/display_check.h"

#include <netdb.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "ui/qt/platform/platform.h"
#include "ui/qt/platform/unix/environment.h"
#include "ui/qt/platform/unix/wayland.h"

namespace tavro::qt {

namespace {

// The value of one of Qt's options ("-platform" or "--platform"), the last
// one given, as Qt reads them.
// Empty when the option is not given.
std::string Option(int argc, char* argv[], std::string_view name) {
  std::string value;
  for (int i = 1; i + 1 < argc; ++i) {
    std::string_view argument = argv[i] ? argv[i] : "";
    if (argument.substr(0, 2) == "--") argument.remove_prefix(1);
    if (argument == name) value = argv[++i];
  }
  return value;
}

// A text as it may stand in the one line: control characters become '?'.
std::string Printable(std::string_view text) {
  std::string printable(text);
  for (char& c : printable)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  return printable;
}

// A connection to a local stream socket, made without waiting: true when the
// server is there (it accepted, or its queue is full), false when nothing
// listens there. Where `kept` is given, an accepted connection is left open
// and its descriptor stored there.
bool UnixSocketAnswers(std::string_view path, bool abstract, int* kept = nullptr) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::size_t offset = abstract ? 1 : 0;  // an abstract name starts with a zero byte
  if (path.empty() || path.size() + offset >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path + offset, path.data(), path.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                             path.size() + (abstract ? 0 : 1));
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return true;  // cannot tell: Qt tries
  const int result = connect(fd, reinterpret_cast<const sockaddr*>(&address), length);
  const int error = result == 0 ? 0 : errno;
  if (result == 0 && kept)
    *kept = fd;
  else
    close(fd);
  return !(error == ENOENT || error == ECONNREFUSED || error == ENOTDIR || error == ENOTSOCK);
}

// A connection to a TCP port of another machine, waited for at most a second;
// a machine that does not answer in that time is left to Qt. Where `kept` is
// given, the connection that answered is left open and stored there.
bool TcpPortAnswers(const std::string& host, int port, int* kept) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const int lookup = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
  if (lookup == EAI_NONAME) return false;
  if (lookup != 0) return true;  // cannot tell now
  using Clock = std::chrono::steady_clock;
  const Clock::time_point end = Clock::now() + std::chrono::seconds(1);
  bool answers = false;
  bool timed_out = false;
  for (addrinfo* at = found; at && !answers; at = at->ai_next) {
    const int fd =
        socket(at->ai_family, at->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, at->ai_protocol);
    if (fd < 0) continue;
    if (connect(fd, at->ai_addr, at->ai_addrlen) == 0) {
      answers = true;
    } else if (errno == EINPROGRESS) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
      pollfd wait{fd, POLLOUT, 0};
      if (left > 0 && poll(&wait, 1, static_cast<int>(left)) == 1) {
        int error = 0;
        socklen_t size = sizeof(error);
        answers = getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
      } else {
        timed_out = true;
      }
    }
    if (answers && kept)
      *kept = fd;
    else
      close(fd);
  }
  freeaddrinfo(found);
  return answers || timed_out;
}

}  // namespace

DisplaySettings CurrentDisplaySettings(int argc, char* argv[]) {
  DisplaySettings settings;
  settings.platforms = Variable("QT_QPA_PLATFORM");
  if (std::string chosen = Option(argc, argv, "-platform"); !chosen.empty()) {
    settings.platforms = std::move(chosen);
    settings.platforms_from = "-platform";
  }
  settings.x_display = Variable("DISPLAY");
  if (std::string chosen = Option(argc, argv, "-display"); !chosen.empty()) {
    settings.x_display = std::move(chosen);
    settings.x_display_from = "-display";
  }
  settings.wayland_display = Variable("WAYLAND_DISPLAY");
  settings.wayland_socket = !Variable("WAYLAND_SOCKET").empty();
  settings.runtime_dir = Variable("XDG_RUNTIME_DIR");
  return settings;
}

std::string MissingDisplayMessage(const DisplaySettings& settings, const DisplayProbes& probes) {
  // The window systems Qt will try: the ones chosen, or (left to Qt) an X
  // server and a Wayland compositor, whichever is there.
  const bool chosen = !settings.platforms.empty();
  bool try_x = !chosen;
  bool try_wayland = !chosen;
  if (chosen) {
    std::string_view rest = settings.platforms;
    while (!rest.empty()) {
      const std::size_t end = rest.find(';');
      std::string name(rest.substr(0, std::min(rest.find(':'), end)));
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (name.empty()) continue;
      if (name == "xcb") {
        try_x = true;
      } else if (name.compare(0, 7, "wayland") == 0) {
        try_wayland = true;
      } else {
        return {};  // a window system that needs no display, or one not checked here
      }
    }
    if (!try_x && !try_wayland) return {};
  }

  const bool wayland_display_set = !settings.wayland_display.empty();
  const std::string wayland_name = wayland_display_set ? settings.wayland_display : "wayland-0";
  const std::string wayland_path =
      WaylandSocketPath(settings.wayland_display, settings.runtime_dir);

  if (try_x && !settings.x_display.empty() && probes.x_server(settings.x_display)) return {};
  if (try_wayland &&
      (settings.wayland_socket || (!wayland_path.empty() && probes.compositor(wayland_path))))
    return {};

  // None answers: the line says which variables were looked at, and what of them.
  std::vector<std::string> reasons;
  if (chosen) {
    reasons.push_back(settings.platforms_from == "-platform"
                          ? "-platform " + Printable(settings.platforms)
                          : settings.platforms_from + "=" + Printable(settings.platforms));
  }
  const bool x_from_variable = settings.x_display_from == "DISPLAY";
  if (try_x && try_wayland && x_from_variable && settings.x_display.empty() &&
      !wayland_display_set) {
    reasons.push_back("DISPLAY and WAYLAND_DISPLAY are not set");
  } else {
    if (try_x) {
      if (settings.x_display.empty())
        reasons.push_back("DISPLAY is not set");
      else
        reasons.push_back("no X server answers at " + settings.x_display_from +
                          (x_from_variable ? "=" : " ") + Printable(settings.x_display));
    }
    if (try_wayland) {
      if (!wayland_display_set && !chosen)
        reasons.push_back("WAYLAND_DISPLAY is not set");
      else if (wayland_path.empty() && wayland_display_set)
        reasons.push_back("WAYLAND_DISPLAY=" + Printable(wayland_name) +
                          ", but XDG_RUNTIME_DIR is not set");
      else if (wayland_path.empty())
        reasons.push_back("WAYLAND_DISPLAY and XDG_RUNTIME_DIR are not set");
      else if (!wayland_display_set)
        reasons.push_back("WAYLAND_DISPLAY is not set, and no Wayland compositor answers at " +
                          Printable(wayland_path));
      else
        reasons.push_back("no Wayland compositor answers at WAYLAND_DISPLAY=" +
                          Printable(wayland_name));
    }
  }
  std::string message = "tavro: no display to open its windows on: ";
  for (std::size_t i = 0; i < reasons.size(); ++i) message += (i ? "; " : "") + reasons[i];
  return message;
}

bool XServerAnswers(const std::string& display, int* kept) {
  // [protocol/][host]:number[.screen], as libxcb reads it.
  const std::size_t colon = display.rfind(':');
  if (colon == std::string::npos) return false;
  std::string host = display.substr(0, colon);
  std::string number = display.substr(colon + 1);
  number = number.substr(0, number.find('.'));
  if (number.empty() || number.size() > 5 ||
      number.find_first_not_of("0123456789") != std::string::npos)
    return false;
  if (!host.empty() && (host.front() == '/' || host.back() == ':'))
    return true;  // a socket's path, or DECnet: left to Qt
  std::string protocol;
  if (const std::size_t slash = host.find('/'); slash != std::string::npos) {
    protocol = host.substr(0, slash);
    host = host.substr(slash + 1);
  }
  if ((host.empty() || host == "unix") && (protocol.empty() || protocol == "unix")) {
    const std::string path = "/tmp/.X11-unix/X" + number;
    return UnixSocketAnswers(path, true, kept) || UnixSocketAnswers(path, false, kept);
  }
  if (!protocol.empty() && protocol != "tcp" && protocol != "inet" && protocol != "inet6")
    return true;  // left to Qt
  if (host.size() > 2 && host.front() == '[' && host.back() == ']')
    host = host.substr(1, host.size() - 2);
  return TcpPortAnswers(host, 6000 + std::stoi(number), kept);
}

bool CompositorAnswers(const std::string& socket_path) {
  return UnixSocketAnswers(socket_path, false);
}

// Also held until Qt has its own connection: a server that closes it before
// Qt has written its greeting would otherwise end the program with SIGPIPE;
// ignored, the write fails and Qt says it cannot connect.
struct DisplayCheck::Held {
  int connection = -1;
  struct sigaction broken_pipe {};
  Held() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &broken_pipe);
  }
  ~Held() {
    if (connection >= 0) close(connection);
    sigaction(SIGPIPE, &broken_pipe, nullptr);
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
};

DisplayCheck::DisplayCheck(int argc, char* argv[]) : held_(std::make_unique<Held>()) {
  const auto x_server = [this](const std::string& display) {
    return XServerAnswers(display, &held_->connection);
  };
  const std::string message =
      MissingDisplayMessage(CurrentDisplaySettings(argc, argv), {x_server, CompositorAnswers});
  can_open_ = message.empty();
  if (!can_open_) std::fprintf(stderr, "%s\n", message.c_str());
}

DisplayCheck::~DisplayCheck() = default;

void DisplayCheck::Release() { held_.reset(); }

}  // namespace tavro::qt
