#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "ui/shell/window_id.h"

namespace tavro::shell {

// What a menu entry or an Exit button of a mode window does.
enum class NavigationKind {
  None,      // a menu-bar entry that only opens its drop-down
  SwitchTo,  // close this window, then open the target window
  OpenHelp,  // open the Help window beside this one, or bring it to the front
  End,       // end the program at once
};

struct NavigationAction {
  NavigationKind kind = NavigationKind::None;
  std::optional<WindowId> target;  // the window a SwitchTo opens; none otherwise
  friend constexpr bool operator==(const NavigationAction&, const NavigationAction&) = default;
};

// One control of a window that moves between windows, by its click handler.
struct NavigationEntry {
  std::string_view handler;
  NavigationAction action;
};

// The menu entries and Exit buttons of a window, in menu order with the Exit
// button last; empty for the Help window and for unknown names. Each window's
// list is its row's menu in the window registry.
std::span<const NavigationEntry> NavigationOf(std::string_view window);

// The action of one handler of a window; none when the handler is not a
// menu entry or Exit button of that window.
std::optional<NavigationAction> FindNavigation(std::string_view window, std::string_view handler);

// The captions of the drop-down entries that switch to a window, as the other
// windows' layouts show them ("&Paralelepiped"): window by window in the
// registry's order, each window's in menu order. Empty for a window no menu
// switches to and for unknown names.
std::vector<std::string_view> MenuCaptionsSwitchingTo(std::string_view window);

}  // namespace tavro::shell
