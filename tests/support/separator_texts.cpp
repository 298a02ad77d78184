#include "support/separator_texts.h"

namespace tavro::support {

std::string WithSeparator(std::string text, DecimalSeparator separator) {
  for (char& c : text) {
    if (c == '.') c = separator.symbol;
  }
  return text;
}

char OtherSeparator(DecimalSeparator separator) { return separator.symbol == '.' ? ',' : '.'; }

std::string LocaleName(DecimalSeparator separator) { return separator.symbol == '.' ? "en" : "bg"; }

}  // namespace tavro::support
