#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/decimal_separator.h"

namespace tavro {

// A named single-line text field of a window. It always holds well-formed
// UTF-8: bytes that are not (a clipboard in another encoding, say) arrive as
// U+FFFD replacement characters. Its maximum length, when it has one, counts
// characters (code points), and a text is never cut inside one.
class TextField {
 public:
  TextField(std::string name, std::optional<std::size_t> max_length)
      : name_(std::move(name)), max_length_(max_length) {}

  const std::string& name() const { return name_; }
  std::optional<std::size_t> max_length() const { return max_length_; }
  const std::string& text() const { return text_; }

  // What the user types or pastes: the field takes no characters beyond its
  // maximum length.
  void Type(std::string_view text);

  // What a handler writes. A text too long for the field keeps its first
  // characters, except a number: that is written again with as many
  // significant digits (15 at most) as fit, so a value is rounded, never cut.
  void Write(std::string_view text, DecimalSeparator separator);

  // The initial text every field takes when its window is loaded.
  void Reset() { text_.clear(); }

 private:
  std::string name_;
  std::optional<std::size_t> max_length_;
  std::string text_;
};

}  // namespace tavro
