#pragma once

#include <sys/types.h>

#include <string>

namespace tavro::bench {

// A private X server (Xvfb, no window manager) for the length of a benchmark.
// The server picks a free display number itself and reports it through a
// pipe (-displayfd), so runs never collide with another X server.
class XServer {
 public:
  XServer();  // throws std::runtime_error when Xvfb cannot be started
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;

  // ":N", for DISPLAY.
  const std::string& Display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace tavro::bench
