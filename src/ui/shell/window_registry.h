#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/clipboard.h"
#include "core/decimal_separator.h"
#include "core/window_model.h"
#include "ui/layout/window_layout.h"
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

// Everything the shell knows of one window. The table of all six, one row
// per WindowId, is in window_registry.cpp; every lookup below reads it, so the
// shell spells a window's name only there (the window's layout and logic
// object carry the same name, which the registry's test checks). What a
// screen reader calls a window follows from the table too (AccessibleNameOf).
struct WindowRow {
  WindowId id;
  std::string_view name;  // "Form1" ... "Form6", as handlers and tools name it
  // What the toolkit builds the window's visible part from.
  const layout::WindowLayout& (*layout)();
  // Creates the window's logic object, with empty cells and empty fields.
  // The clipboard is kept by the converter window and must outlive it.
  std::unique_ptr<WindowModel> (*create)(DecimalSeparator separator, Clipboard& clipboard);
  // The menu entries and Exit buttons, in menu order with the Exit button
  // last; empty for the Help window.
  std::span<const NavigationEntry> menu;

  // What one handler of this window does when it is a menu entry or an Exit
  // button; nullptr for any other handler.
  const NavigationAction* NavigationOf(std::string_view handler) const;
};

// The rows, Form1 to Form6.
std::span<const WindowRow> Windows();

const WindowRow& RowOf(WindowId window);
// The row of a window by its name; nullptr for a name that is no window of
// the program (names are matched exactly: "form1" is none).
const WindowRow* FindRow(std::string_view window);

// The captions of the drop-down entries that switch to a window, as the other
// windows' layouts show them ("&Paralelepiped"): window by window in the
// registry's order, each window's in menu order. Empty for a window no menu
// switches to.
std::vector<std::string_view> MenuCaptionsSwitchingTo(WindowId window);

// What a screen reader calls a window: its layout's title, or for the
// untitled Form4 the caption of the menu entries that switch to it
// (layout::AccessibleNameOf).
std::string AccessibleNameOf(const WindowRow& window);

}  // namespace tavro::shell
