#include "core/utf8.h"

#include <algorithm>

namespace tavro::utf8 {
namespace {

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

std::size_t CountCharacters(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  const auto end = std::find_if(text.begin(), text.end(),
                                [&](char byte) { return StartsCharacter(byte) && seen++ == count; });
  return text.substr(0, static_cast<std::size_t>(end - text.begin()));
}

}  // namespace tavro::utf8
