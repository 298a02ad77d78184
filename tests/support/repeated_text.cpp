#include "support/repeated_text.h"

namespace tavro::support {

std::string Repeated(std::string_view piece, std::size_t length) {
  std::string text;
  if (piece.empty()) return text;
  text.reserve(length + piece.size());
  while (text.size() < length) text.append(piece);
  return text;
}

}  // namespace tavro::support
