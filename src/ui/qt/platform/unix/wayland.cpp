// What the program asks of a Wayland compositor itself, before Qt or beside
// it: where its socket is, and which globals it announces, over the core
// Wayland wire protocol (two requests and their answers).
#include "ui/qt/platform/unix/wayland.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tavro::qt {

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

}  // namespace

std::string WaylandSocketPath(const std::string& wayland_display, const std::string& runtime_dir) {
  const std::string name = wayland_display.empty() ? "wayland-0" : wayland_display;
  if (name.front() == '/') return name;
  if (runtime_dir.empty()) return {};
  return runtime_dir + "/" + name;
}

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

}  // namespace tavro::qt
