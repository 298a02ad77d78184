#pragma once

#include <QCursor>
#include <QIcon>
#include <QPoint>

#include "ui/layout/window_layout.h"

namespace tavro::qt {

// The pictures embedded in the program: the lightning-bolt icon, the four
// operator signs and the pencil pointer. Each is drawn at 96 dpi, with a
// twice-as-large copy beside it for screens scaled by two.

// Makes the embedded pictures available; call once before using any of them.
void LoadAssets();

// The program icon of every window: 16, 32, 48 and 64 pixels, and 128 and
// 256 on a scaled screen; each size is decoded only when it is asked for.
QIcon ProgramIcon();

// A button's picture; a null icon for Picture::None.
QIcon PictureIcon(layout::Picture picture);

// The pointer shown over a field; the standard text pointer for
// Pointer::Standard. The pencil is 32 pixels square times the screen's scale;
// its hot spot is its tip, 5 pixels from the left and 9 from the top, times
// the scale too.
inline constexpr int kPencilSize = 32;
inline constexpr QPoint kPencilHotSpot{5, 9};
QCursor FieldPointer(layout::Pointer pointer, qreal device_pixel_ratio);

}  // namespace tavro::qt
