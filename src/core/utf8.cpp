#include "core/utf8.h"

#include <algorithm>

namespace tavro::utf8 {
namespace {

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The length of the well-formed character starting at `at`, or 0 when the
// bytes there are not one; `*bad` then tells how many bytes form the maximal
// ill-formed subpart (at least 1).
std::size_t CharacterLength(std::string_view text, std::size_t at, std::size_t* bad) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  *bad = 1;
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (at + i >= text.size()) return 0;
    const unsigned char next = byte(at + i);
    if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return 0;
    *bad = i + 1;
  }
  return length;
}

}  // namespace

bool IsValid(std::string_view text) {
  std::size_t bad = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharacterLength(text, at, &bad);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string Repaired(std::string_view text) {
  if (IsValid(text)) return std::string(text);
  std::string repaired;
  repaired.reserve(text.size() + 16);
  std::size_t bad = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharacterLength(text, at, &bad);
    if (length == 0) {
      repaired.append("\xEF\xBF\xBD");
      at += bad;
    } else {
      repaired.append(text.substr(at, length));
      at += length;
    }
  }
  return repaired;
}

std::size_t CountCharacters(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  const auto end = std::find_if(text.begin(), text.end(), [&](char byte) {
    return StartsCharacter(byte) && seen++ == count;
  });
  return text.substr(0, static_cast<std::size_t>(end - text.begin()));
}

}  // namespace tavro::utf8
