#include <string>
#include <string_view>
#include <vector>

#include "ui/layout/form_layouts.h"
#include "ui/layout/window_layout.h"

namespace tavro::layout {

std::string HandlerOf(std::string_view control_name) {
  std::string handler(control_name);
  handler += "_Click";
  return handler;
}

const std::vector<const WindowLayout*>& AllLayouts() {
  static const std::vector<const WindowLayout*> layouts{
      &Form1Layout(), &Form2Layout(), &Form3Layout(),
      &Form4Layout(), &Form5Layout(), &Form6Layout(),
  };
  return layouts;
}

const WindowLayout* LayoutOf(std::string_view window) {
  for (const WindowLayout* layout : AllLayouts()) {
    if (layout->name == window) return layout;
  }
  return nullptr;
}

}  // namespace tavro::layout
