#include "ui/layout/window_layout.h"

#include <string>
#include <string_view>

namespace tavro::layout {

std::string HandlerOf(std::string_view control_name) {
  std::string handler(control_name);
  handler += "_Click";
  return handler;
}

}  // namespace tavro::layout
