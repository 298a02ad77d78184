#include "core/value_cell.h"

#include "core/number_text.h"

namespace tavro {

double ValueCell::AsNumber(DecimalSeparator separator) const {
  if (const auto* number = std::get_if<double>(&content_)) return *number;
  if (const auto* text = std::get_if<std::string>(&content_)) {
    return NumberFromText(*text, separator).value();
  }
  return 0.0;
}

std::string ValueCell::AsText(DecimalSeparator separator) const {
  if (const auto* number = std::get_if<double>(&content_))
    return TextFromNumber(*number, separator);
  if (const auto* text = std::get_if<std::string>(&content_)) return *text;
  return {};
}

}  // namespace tavro
