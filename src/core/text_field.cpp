#include "core/text_field.h"

#include "core/number_text.h"
#include "core/utf8.h"

namespace tavro {

void TextField::Type(std::string_view text) {
  if (!utf8::IsValid(text)) return Type(utf8::Repaired(text));
  text_ = max_length_ ? utf8::FirstCharacters(text, *max_length_) : text;
}

void TextField::Write(std::string_view text, DecimalSeparator separator) {
  if (!utf8::IsValid(text)) return Write(utf8::Repaired(text), separator);
  // Only a text longer than the limit in bytes can be longer in characters.
  if (!max_length_ || text.size() <= *max_length_ || utf8::CountCharacters(text) <= *max_length_) {
    text_ = text;
    return;
  }
  // A number's text has no more than a few dozen characters; a longer text is
  // only a number when padded with blanks or zeros, and reading it is linear.
  if (const CheckedNumber number = NumberFromText(text, separator); number.ok()) {
    for (int digits = kSignificantDigits; digits >= 1; --digits) {
      std::string fitted = TextFromNumber(number.value(), separator, digits);
      if (fitted.size() <= *max_length_) {
        text_ = std::move(fitted);
        return;
      }
    }
  }
  text_ = utf8::FirstCharacters(text, *max_length_);
}

}  // namespace tavro
