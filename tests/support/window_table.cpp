#include "support/window_table.h"

namespace tavro::support {

std::span<const std::string_view> WindowNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> all;
    for (const shell::WindowRow& row : shell::Windows()) all.push_back(row.name);
    return all;
  }();
  return names;
}

bool IsWindowName(std::string_view window) { return shell::FindRow(window) != nullptr; }

std::string_view NameOf(shell::WindowId window) { return shell::RowOf(window).name; }

std::unique_ptr<WindowModel> CreateWindow(std::string_view window, DecimalSeparator separator,
                                          Clipboard& clipboard) {
  const shell::WindowRow* row = shell::FindRow(window);
  return row == nullptr ? nullptr : row->create(separator, clipboard);
}

const layout::WindowLayout* LayoutOf(std::string_view window) {
  const shell::WindowRow* row = shell::FindRow(window);
  return row == nullptr ? nullptr : &row->layout();
}

const std::vector<const layout::WindowLayout*>& AllLayouts() {
  static const std::vector<const layout::WindowLayout*> layouts = [] {
    std::vector<const layout::WindowLayout*> all;
    for (const shell::WindowRow& row : shell::Windows()) all.push_back(&row.layout());
    return all;
  }();
  return layouts;
}

std::span<const shell::NavigationEntry> NavigationOf(std::string_view window) {
  const shell::WindowRow* row = shell::FindRow(window);
  return row == nullptr ? std::span<const shell::NavigationEntry>{} : row->menu;
}

std::optional<shell::NavigationAction> FindNavigation(std::string_view window,
                                                      std::string_view handler) {
  const shell::WindowRow* row = shell::FindRow(window);
  const shell::NavigationAction* action = row == nullptr ? nullptr : row->NavigationOf(handler);
  if (action == nullptr) return std::nullopt;
  return *action;
}

std::vector<std::string_view> MenuCaptionsSwitchingTo(std::string_view window) {
  const shell::WindowRow* row = shell::FindRow(window);
  return row == nullptr ? std::vector<std::string_view>{} : shell::MenuCaptionsSwitchingTo(row->id);
}

}  // namespace tavro::support
