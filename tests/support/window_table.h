#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/clipboard.h"
#include "core/decimal_separator.h"
#include "core/window_model.h"
#include "ui/layout/window_layout.h"
#include "ui/shell/window_id.h"
#include "ui/shell/window_registry.h"

namespace tavro::support {

// The program's windows as the tests, fuzz targets and benchmarks look them
// up: by their names, in the shell's window registry. The shell itself finds
// a window's row once and works on it; only the shell and these helpers see
// the registry (tavro_shell_internals). Unknown names give nothing.

// The windows' names, Form1 to Form6.
std::span<const std::string_view> WindowNames();
bool IsWindowName(std::string_view window);
std::string_view NameOf(shell::WindowId window);

// The logic object of a window by its name (see shell::WindowRow::create);
// nullptr for a name that is no window of the program.
std::unique_ptr<WindowModel> CreateWindow(std::string_view window, DecimalSeparator separator,
                                          Clipboard& clipboard);

// The layout of a window by its name; nullptr for an unknown name.
const layout::WindowLayout* LayoutOf(std::string_view window);
// The six layouts, Form1 to Form6.
const std::vector<const layout::WindowLayout*>& AllLayouts();

// The menu entries and Exit buttons of a window (shell::WindowRow::menu);
// empty for the Help window and for unknown names.
std::span<const shell::NavigationEntry> NavigationOf(std::string_view window);
// The action of one handler of a window; none when the handler is not a menu
// entry or Exit button of that window.
std::optional<shell::NavigationAction> FindNavigation(std::string_view window,
                                                      std::string_view handler);
// shell::MenuCaptionsSwitchingTo by the window's name.
std::vector<std::string_view> MenuCaptionsSwitchingTo(std::string_view window);

}  // namespace tavro::support
