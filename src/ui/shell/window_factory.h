#pragma once

#include <array>
#include <memory>
#include <string_view>

#include "core/decimal_separator.h"
#include "core/window_model.h"
#include "core/clipboard.h"

namespace tavro::shell {

// The program's six windows. Form1 is the startup window, Form5 the Help
// window; the other five are calculating modes.
inline constexpr std::array<std::string_view, 6> kWindowNames = {
    "Form1", "Form2", "Form3", "Form4", "Form5", "Form6"};
inline constexpr std::string_view kStartupWindow = "Form1";
inline constexpr std::string_view kHelpWindow = "Form5";

bool IsWindowName(std::string_view window);

// Creates the logic object of a window by its name, with empty cells and
// empty fields; nullptr for a name that is no window of the program. The
// clipboard is kept by the converter window and must outlive it.
std::unique_ptr<WindowModel> CreateWindow(std::string_view window, DecimalSeparator separator,
                                          Clipboard& clipboard);

}  // namespace tavro::shell
