#include "ui/shell/navigation.h"

#include "ui/layout/window_layout.h"
#include "ui/shell/window_registry.h"

namespace tavro::shell {

std::span<const NavigationEntry> NavigationOf(std::string_view window) {
  const WindowRow* row = FindRow(window);
  return row == nullptr ? std::span<const NavigationEntry>{} : row->menu;
}

std::optional<NavigationAction> FindNavigation(std::string_view window, std::string_view handler) {
  for (const NavigationEntry& entry : NavigationOf(window)) {
    if (entry.handler == handler) return entry.action;
  }
  return std::nullopt;
}

std::vector<std::string_view> MenuCaptionsSwitchingTo(std::string_view window) {
  std::vector<std::string_view> captions;
  const WindowRow* target = FindRow(window);
  if (target == nullptr) return captions;
  for (const WindowRow& other : Windows()) {
    for (const NavigationEntry& entry : other.menu) {
      if (entry.action.kind != NavigationKind::SwitchTo || entry.action.target != target->id)
        continue;
      for (const layout::MenuBarEntry& top : other.layout().menu_bar)
        for (const layout::MenuEntry& menu_entry : top.entries)
          if (layout::HandlerOf(menu_entry.name) == entry.handler)
            captions.push_back(menu_entry.caption);
    }
  }
  return captions;
}

}  // namespace tavro::shell
