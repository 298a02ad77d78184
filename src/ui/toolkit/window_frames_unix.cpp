// On Linux and other Unix systems an X window manager draws the frames, and so
// does a Wayland compositor that announces the decoration protocol
// (zxdg_decoration_manager_v1: KDE's KWin, for one); Qt then asks it to. A
// compositor without it (GNOME's mutter, weston) leaves the frames to the
// program. Qt does not tell which it is before a window is shown, so the
// compositor is asked for its list of globals on a connection of its own,
// once: the core Wayland wire protocol, two requests and their answers.
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/display_check_unix.h"
#include "ui/toolkit/window_frames.h"

namespace tavro::toolkit {

namespace {

constexpr std::uint32_t kDisplay = 1;   // wl_display, there from the start
constexpr std::uint32_t kRegistry = 2;  // wl_registry, made by get_registry
constexpr std::uint32_t kCallback = 3;  // wl_callback, made by sync

// One request: the object, the size and opcode, the arguments; in 32-bit
// words of the machine's byte order.
void Put(std::vector<std::uint32_t>& out, std::uint32_t object, std::uint32_t opcode,
         std::uint32_t argument) {
  out.insert(out.end(), {object, (12u << 16) | opcode, argument});
}

std::uint32_t Word(const std::vector<char>& bytes, std::size_t at) {
  std::uint32_t word;
  std::memcpy(&word, bytes.data() + at, sizeof word);
  return word;
}

// Whether the compositor at `path` announces a global of the interface
// `wanted`. The compositor sends every global after get_registry, and answers
// sync once it has sent them all; at most a second is waited for.
bool AnnouncesGlobal(const std::string& path, std::string_view wanted) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path, path.data(), path.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    close(fd);
    return false;
  }
  std::vector<std::uint32_t> requests;
  Put(requests, kDisplay, 1, kRegistry);  // wl_display.get_registry
  Put(requests, kDisplay, 0, kCallback);  // wl_display.sync
  const auto request_bytes = requests.size() * sizeof(std::uint32_t);
  bool found = false;
  bool done =
      send(fd, requests.data(), request_bytes, MSG_NOSIGNAL) != static_cast<ssize_t>(request_bytes);

  using Clock = std::chrono::steady_clock;
  const Clock::time_point end = Clock::now() + std::chrono::seconds(1);
  std::vector<char> events;
  while (!done) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    pollfd wait{fd, POLLIN, 0};
    if (left <= 0 || poll(&wait, 1, static_cast<int>(left)) != 1) break;
    char chunk[4096];
    const ssize_t got = recv(fd, chunk, sizeof chunk, 0);
    if (got <= 0) break;
    events.insert(events.end(), chunk, chunk + got);
    // Every whole event: the object, its size and opcode, its arguments.
    std::size_t at = 0;
    while (!done && events.size() - at >= 8) {
      const std::uint32_t object = Word(events, at);
      const std::uint32_t size = Word(events, at + 4) >> 16;
      const std::uint32_t opcode = Word(events, at + 4) & 0xffff;
      if (size < 8 || size % 4 != 0) {
        done = true;
        break;
      }
      if (events.size() - at < size) break;
      if (object == kRegistry && opcode == 0 && size >= 16) {
        // wl_registry.global: name, interface (length with its zero, then
        // the characters), version.
        const std::uint32_t length = Word(events, at + 12);
        if (length > 0 && length <= size - 16)
          found = found || std::string_view(events.data() + at + 16, length - 1) == wanted;
      } else if ((object == kCallback && opcode == 0) || (object == kDisplay && opcode == 0)) {
        done = true;  // wl_callback.done: the list is whole; wl_display.error
      }
      at += size;
    }
    events.erase(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(at));
  }
  close(fd);
  return found;
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

bool WindowSystemDrawsFrames() {
  static const bool draws = [] {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return true;
    // A connection handed over by the compositor cannot be asked again.
    if (!Variable("WAYLAND_SOCKET").empty()) return false;
    const std::string path =
        WaylandSocketPath(Variable("WAYLAND_DISPLAY"), Variable("XDG_RUNTIME_DIR"));
    return !path.empty() && AnnouncesGlobal(path, "zxdg_decoration_manager_v1");
  }();
  return draws;
}

}  // namespace tavro::toolkit
