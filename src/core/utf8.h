#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavro::utf8 {

// Counts the characters (Unicode code points) of a UTF-8 text. Every byte
// that is not a continuation byte starts a character, so malformed input is
// still counted without reading past its end.
std::size_t CountCharacters(std::string_view text);

// The first `count` characters of the text, never cut inside one.
std::string_view FirstCharacters(std::string_view text, std::size_t count);

// Whether the text is well-formed UTF-8: no stray or missing continuation
// bytes, no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IsValid(std::string_view text);

// The text with every ill-formed part replaced by U+FFFD, the replacement
// character, one for each maximal ill-formed subpart; a valid text unchanged.
std::string Repaired(std::string_view text);

}  // namespace tavro::utf8
