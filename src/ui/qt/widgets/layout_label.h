#pragma once

#include <QFont>
#include <QLabel>

#include "ui/layout/window_layout.h"

namespace tavro::qt {

// The font a layout names. A family missing on this system is replaced by the
// nearest sans-serif one; every font used covers Cyrillic.
QFont FontOf(const layout::Font& font);

// A label built from a layout's label record: plain left-aligned text that
// wraps at word boundaries within its rectangle, on the window's background.
// Labels lie beneath fields and buttons, take no focus and let every mouse
// click through to what lies below them. A caption of several lines that the
// font at hand makes too tall for the label is set smaller until it fits.
QLabel* BuildLabel(const layout::Label& label, QWidget* parent);

}  // namespace tavro::qt
