#pragma once

#include <string>

#include "core/decimal_separator.h"

namespace tavro::support {

// A number text written with a full stop, given the separator instead: every
// "." becomes the separator's symbol.
std::string WithSeparator(std::string text, DecimalSeparator separator);

// The separator of the other locale: a comma for the full stop, a full stop
// for the comma.
char OtherSeparator(DecimalSeparator separator);

// The locale a separator stands for in test names: "en" for the full stop,
// "bg" for the comma.
std::string LocaleName(DecimalSeparator separator);

}  // namespace tavro::support
