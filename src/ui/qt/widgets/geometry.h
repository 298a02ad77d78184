#pragma once

#include <QRect>
#include <QString>
#include <string_view>

#include "ui/layout/window_layout.h"

namespace tavro::qt {

// Layout units are pixels at 96 dpi, which are Qt's device-independent
// pixels: high-DPI scaling multiplies them for the screen.
inline QRect RectOf(const layout::Rect& rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}

inline QString TextOf(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace tavro::qt
