#pragma once

#include <QLineEdit>
#include <optional>

#include "ui/layout/window_layout.h"

namespace tavro::toolkit {

// A single-line text field built from a layout's field record: rectangle,
// background colour, maximum length in characters, pointer and tooltip. It
// starts empty. A field without a maximum length takes any text, however
// long.
QLineEdit* BuildField(const layout::Field& field, QWidget* parent);

// The field's maximum length in characters; nothing when it has none.
std::optional<int> MaximumCharacters(const QLineEdit& field);

}  // namespace tavro::toolkit
