#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavro::support {

// A text of at least `length` bytes: `piece` repeated, whole pieces only, so
// a piece of well-formed UTF-8 gives a well-formed text.
std::string Repeated(std::string_view piece, std::size_t length);

}  // namespace tavro::support
