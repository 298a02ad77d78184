#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/decimal_separator.h"

namespace tavro {

// A storage slot owned by a window object: empty, a text or a double. A store
// replaces the whole content; nothing but a store changes it.
class ValueCell {
 public:
  bool IsEmpty() const { return std::holds_alternative<std::monostate>(content_); }
  bool HoldsText() const { return std::holds_alternative<std::string>(content_); }
  bool HoldsNumber() const { return std::holds_alternative<double>(content_); }

  void Store(std::string_view text) { content_ = std::string(text); }
  void Store(const char* text) { Store(std::string_view(text)); }
  void Store(double number) { content_ = number; }
  void Store(const ValueCell& other) { content_ = other.content_; }

  // Empty reads as 0, a text through NumberFromText (throws Failure when it is
  // not a number), a number as itself.
  double AsNumber(DecimalSeparator separator) const;
  // Empty reads as the empty text, a text as itself, a number through
  // TextFromNumber.
  std::string AsText(DecimalSeparator separator) const;

 private:
  std::variant<std::monostate, std::string, double> content_;
};

}  // namespace tavro
