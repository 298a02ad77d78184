#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "core/clipboard.h"
#include "core/decimal_separator.h"
#include "core/window_model.h"
#include "ui/layout/window_layout.h"
#include "ui/shell/navigation.h"
#include "ui/shell/window_id.h"

namespace tavro::shell {

// Everything the shell knows of one window. The table of all six, one row
// per WindowId, is in window_registry.cpp; every lookup below and in
// navigation.h reads it, so the shell spells a window's name only there (the
// window's layout and logic object carry the same name, which the registry's
// test checks). What a screen reader calls a window follows from the table
// too: its layout's title, or for the untitled Form4 the caption of the menu
// entries that switch to it (MenuCaptionsSwitchingTo, layout::AccessibleNameOf).
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
};

// The rows, Form1 to Form6.
std::span<const WindowRow> Windows();

const WindowRow& RowOf(WindowId window);
// The row of a window by its name; nullptr for a name that is no window of
// the program (names are matched exactly: "form1" is none).
const WindowRow* FindRow(std::string_view window);

std::string_view NameOf(WindowId window);

// The windows' names, Form1 to Form6.
std::span<const std::string_view> WindowNames();
bool IsWindowName(std::string_view window);

// The logic object of a window by its name (see WindowRow::create); nullptr
// for a name that is no window of the program.
std::unique_ptr<WindowModel> CreateWindow(std::string_view window, DecimalSeparator separator,
                                          Clipboard& clipboard);

// The layout of a window by its name; nullptr for an unknown name.
const layout::WindowLayout* LayoutOf(std::string_view window);
// The six layouts, Form1 to Form6.
const std::vector<const layout::WindowLayout*>& AllLayouts();

}  // namespace tavro::shell
