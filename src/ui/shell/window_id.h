#pragma once

namespace tavro::shell {

// The program's six windows: five calculating modes, Form1 (the startup
// window) among them, and Form5, the Help window. What each window is (its
// name, layout, logic object and menu) is one row of the table in
// window_registry.cpp.
enum class WindowId { Form1, Form2, Form3, Form4, Form5, Form6 };

inline constexpr WindowId kStartupWindow = WindowId::Form1;
inline constexpr WindowId kHelpWindow = WindowId::Form5;

}  // namespace tavro::shell
