#pragma once

#include <string_view>

#include "ui/layout/window_layout.h"

namespace tavro::web {

// An operator picture as inline SVG markup, drawn from its source in the
// program's assets without anti-aliasing, so that it gives the pixels of the
// picture files at every whole scale; empty for Picture::None.
std::string_view PictureMarkup(layout::Picture picture);

}  // namespace tavro::web
