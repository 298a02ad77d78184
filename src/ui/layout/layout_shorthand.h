#pragma once

#include <cstdint>
#include <optional>

#include "ui/layout/window_layout.h"

// The short names the layout tables in form*_layout.cpp are written with.
namespace tavro::layout {

inline constexpr Colour kDefault = Colour::Default();
inline constexpr Colour kTooltipBackground = Colour::System(SystemColour::TooltipBackground);
inline constexpr Colour kHighlight3D = Colour::System(SystemColour::Highlight3D);
inline constexpr Colour kDesktopBackground = Colour::System(SystemColour::DesktopBackground);
constexpr Colour Rgb(std::uint32_t value) { return Colour::Rgb(value); }

inline constexpr std::nullopt_t kNoLimit = std::nullopt;     // a field's maximum length
inline constexpr std::nullopt_t kWindowFont = std::nullopt;  // a label's font

}  // namespace tavro::layout
