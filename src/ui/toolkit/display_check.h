#pragma once

#include <memory>

namespace tavro::toolkit {

// Whether the program has a display to open its windows on. Where it has none
// (started from an SSH terminal, a text console or a service, or with the
// display's server gone), the check says so in one line on standard error,
// naming the variables it looked at, and CanOpenWindows() is false: the caller
// ends with status 1, where Qt would abort. `argc` and `argv` are the
// program's own, for Qt's options that choose the window system. Make it
// before the application object. Each platform has its own implementation
// file.
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

}  // namespace tavro::toolkit
