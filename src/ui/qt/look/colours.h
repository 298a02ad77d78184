#pragma once

#include <QColor>
#include <QPalette>
#include <optional>

#include "ui/layout/window_layout.h"

namespace tavro::qt {

// The desktop background has no role in Qt's palette: the program uses a
// teal, the colour of a classic desktop, dark on a light window background
// and light on a dark one.
inline constexpr QRgb kDesktopBackground = qRgb(0x00, 0x80, 0x80);
inline constexpr QRgb kLightDesktopBackground = qRgb(0x40, 0xC0, 0xC0);

// Text has at least this contrast against what is behind it.
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours as the Web Content Accessibility
// Guidelines define it, from 1 (the same) to 21 (black and white).
double ContrastRatio(const QColor& a, const QColor& b);

// `preferred` where it is readable on `face`; otherwise black or white,
// whichever is the more readable.
QColor ReadableOn(const QColor& face, const QColor& preferred);

// The palette role that stands for a system colour: the tooltip background
// is ToolTipBase and the 3-D highlight is Light. The desktop background has
// none.
std::optional<QPalette::ColorRole> RoleOf(layout::SystemColour colour);

// The concrete colour of a layout colour under the given palette; nothing
// for the control's default colour.
std::optional<QColor> ColourOf(const layout::Colour& colour, const QPalette& palette);

// A control's face and the colour of the text on it.
struct ColourPair {
  QColor face;
  QColor text;
};

// The face a layout colour gives a control and a text colour readable on
// it: a role with a text role of its own (the tooltip background) brings
// that; any other face keeps the palette's `text_role` where it is readable
// on it. Nothing for the control's default colour.
std::optional<ColourPair> PairOf(const layout::Colour& colour, const QPalette& palette,
                                 QPalette::ColorRole text_role);

}  // namespace tavro::qt
