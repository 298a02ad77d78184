#pragma once

#include <string_view>

#include "ui/shell/shell.h"

namespace tavro::support {

// A window system that shows nothing: the shell's window objects are all
// there is. Header-only; its users link tavro_shell.
class NullWindowSystem : public shell::WindowSystem {
 public:
  void Open(const shell::WindowToOpen&) override {}
  void Close(std::string_view) override {}
  void Activate(std::string_view) override {}
  void Quit() override {}
};

}  // namespace tavro::support
