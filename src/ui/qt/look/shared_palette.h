#pragma once

#include <QPalette>
#include <optional>

#include "ui/qt/look/colours.h"

class QWidget;

namespace tavro::qt {

// Gives a control of the client area the palette it is drawn with: its
// parent's, with `pair` on the face and text roles where it has colours of
// its own. Controls of the same colours share one palette object, in every
// window and every time a window is built. A widget that merely inherits a
// palette set on its parent, or is given a palette of its own, gets a
// palette with a new identity each time, and the style keeps the pictures
// it draws for each identity in its cache: the cache, and the program's
// memory, would grow with every window opened.
void SetControlPalette(QWidget& control, QPalette::ColorRole face_role,
                       QPalette::ColorRole text_role, const std::optional<ColourPair>& pair);

// The palette, shared in the same way, that the client area's children
// start from: the application's with `pair` on the face and text roles.
QPalette SharedPalette(const QPalette& base, QPalette::ColorRole face_role,
                       QPalette::ColorRole text_role, const ColourPair& pair);

// The palette a control's colours are taken from: its parent's where that
// has a palette of its own, otherwise the application's for its class.
QPalette BasePaletteOf(const QWidget& control);

}  // namespace tavro::qt
