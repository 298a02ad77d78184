#pragma once

#include <cstddef>
#include <string_view>

namespace tavro::utf8 {

// Counts the characters (Unicode code points) of a UTF-8 text. Every byte
// that is not a continuation byte starts a character, so malformed input is
// still counted without reading past its end.
std::size_t CountCharacters(std::string_view text);

// The first `count` characters of the text, never cut inside one.
std::string_view FirstCharacters(std::string_view text, std::size_t count);

}  // namespace tavro::utf8
