#pragma once

#include <QLineEdit>

#include "ui/layout/window_layout.h"

namespace tavro::qt {

// A single-line text field built from a layout's field record: rectangle,
// background colour, maximum length in characters, pointer and tooltip. It
// starts empty. A field without a maximum length takes any text, however
// long.
QLineEdit* BuildField(const layout::Field& field, QWidget* parent);

}  // namespace tavro::qt
