#pragma once

#include <optional>

#include <QColor>
#include <QPalette>

#include "ui/layout/window_layout.h"

namespace tavro::toolkit {

// The desktop background has no role in Qt's palette: the program uses a
// fixed teal, the colour of a classic desktop.
inline constexpr QRgb kDesktopBackground = qRgb(0x00, 0x80, 0x80);

// The palette role that stands for a system colour: the tooltip background
// is ToolTipBase and the 3-D highlight is Light. The desktop background has
// none.
std::optional<QPalette::ColorRole> RoleOf(layout::SystemColour colour);

// The concrete colour of a layout colour under the given palette; nothing
// for the control's default colour.
std::optional<QColor> ColourOf(const layout::Colour& colour, const QPalette& palette);

}  // namespace tavro::toolkit
