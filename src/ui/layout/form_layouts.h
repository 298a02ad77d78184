#pragma once

#include <cstdint>
#include <optional>

#include "ui/layout/window_layout.h"

// The layout of each window, one definition per form*_layout.cpp, and the
// short names their tables are written with. The shell's window registry
// gives each window its layout; look layouts up there.
namespace tavro::layout {

const WindowLayout& Form1Layout();
const WindowLayout& Form2Layout();
const WindowLayout& Form3Layout();
const WindowLayout& Form4Layout();
const WindowLayout& Form5Layout();
const WindowLayout& Form6Layout();

inline constexpr Colour kDefault = Colour::Default();
inline constexpr Colour kTooltipBackground = Colour::System(SystemColour::TooltipBackground);
inline constexpr Colour kHighlight3D = Colour::System(SystemColour::Highlight3D);
inline constexpr Colour kDesktopBackground = Colour::System(SystemColour::DesktopBackground);
constexpr Colour Rgb(std::uint32_t value) { return Colour::Rgb(value); }

inline constexpr std::nullopt_t kNoLimit = std::nullopt;     // a field's maximum length
inline constexpr std::nullopt_t kWindowFont = std::nullopt;  // a label's font

}  // namespace tavro::layout
