#include "support/utf8_check.h"

#include <algorithm>

namespace tavro::support {

std::size_t WellFormedSequenceLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const auto continues = [&](std::size_t i) { return i < text.size() && (byte(i) & 0xC0) == 0x80; };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return continues(1) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (!continues(1) || !continues(2)) return 0;
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;  // overlong
    if (lead == 0xED && byte(1) > 0x9F) return 0;  // surrogate
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (!continues(1) || !continues(2) || !continues(3)) return 0;
    if (lead == 0xF0 && byte(1) < 0x90) return 0;  // overlong
    if (lead == 0xF4 && byte(1) > 0x8F) return 0;  // above U+10FFFF
    return 4;
  }
  return 0;
}

std::optional<std::size_t> Utf8Characters(std::string_view text) {
  std::size_t characters = 0;
  while (!text.empty()) {
    // Runs of ASCII, most of a long text, are counted at once.
    const auto ascii = std::find_if(text.begin(), text.end(), [](char c) {
      return (static_cast<unsigned char>(c) & 0x80) != 0;
    });
    characters += static_cast<std::size_t>(ascii - text.begin());
    text.remove_prefix(static_cast<std::size_t>(ascii - text.begin()));
    if (text.empty()) break;
    const std::size_t length = WellFormedSequenceLength(text);
    if (length == 0) return std::nullopt;
    text.remove_prefix(length);
    ++characters;
  }
  return characters;
}

}  // namespace tavro::support
