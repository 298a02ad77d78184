// NumberFromText on arbitrary bytes, under both decimal separators. Each
// reading is compared with an independent one: a regular expression of the
// number grammar decides whether the text is a number at all, and the C
// library's strtod gives the value the number must read as. So the function
// accepts exactly the grammar, never returns an infinity or a not-a-number,
// and fails with Overflow exactly where the value lies beyond the doubles.

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "fuzz_check.h"

namespace {

using tavro::CheckedNumber;
using tavro::DecimalSeparator;
using tavro::FailureKind;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text with every run of digits shrunk to one digit and every run of
// blanks to one blank. In a number no two runs of digits touch (a separator,
// an E or a sign stands between them) and blanks stand only before and after
// it, so shrinking neither makes nor unmakes a number; what is left is a few
// characters long, short enough for std::regex whatever the input's length.
std::string Shrink(std::string_view text) {
  std::string shrunk;
  for (const char c : text) {
    const bool repeats = !shrunk.empty() && ((IsDigit(c) && IsDigit(shrunk.back())) ||
                                             (c == ' ' && shrunk.back() == ' '));
    if (!repeats) shrunk.push_back(IsDigit(c) ? '0' : c);
  }
  return shrunk;
}

// Blanks, an optional sign, digits with at most one separator (at least one
// digit), an optional exponent of E or e, an optional sign and digits, blanks.
bool IsNumber(std::string_view text, DecimalSeparator separator) {
  static const std::regex kFullStop(R"( *[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)? *)");
  static const std::regex kComma(R"( *[+-]?([0-9]+(,[0-9]*)?|,[0-9]+)([eE][+-]?[0-9]+)? *)");
  const std::string shrunk = Shrink(text);
  // The longest shrunk number is " -0.0E-0 ".
  if (shrunk.size() > 9) return false;
  return std::regex_match(shrunk, separator.symbol == '.' ? kFullStop : kComma);
}

// The value of a text that IsNumber accepts, as strtod reads it in the "C"
// locale: the nearest double, an infinity beyond the largest one.
double ExpectedValue(std::string_view text, DecimalSeparator separator) {
  std::string number(text.substr(text.find_first_not_of(' ')));
  number.erase(number.find_last_not_of(' ') + 1);
  if (number.front() == '+') number.erase(0, 1);
  if (const auto at = number.find(separator.symbol); at != std::string::npos) number[at] = '.';
  char* end = nullptr;
  const double value = std::strtod(number.c_str(), &end);
  TAVRO_FUZZ_CHECK(end == number.c_str() + number.size(), "strtod stopped early in \"%s\"",
                   number.c_str());
  return value;
}

void CheckReading(std::string_view text, DecimalSeparator separator) {
  const CheckedNumber result = tavro::NumberFromText(text, separator);
  const int length = static_cast<int>(text.size() < 200 ? text.size() : 200);
  if (!IsNumber(text, separator)) {
    TAVRO_FUZZ_CHECK(!result.ok(), "accepted a text outside the grammar: \"%.*s\" (separator %c)",
                     length, text.data(), separator.symbol);
    TAVRO_FUZZ_CHECK(result.failure() == FailureKind::TypeMismatch,
                     "a text outside the grammar failed with %s: \"%.*s\"",
                     tavro::DescriptionOf(result.failure()), length, text.data());
    return;
  }
  const double expected = ExpectedValue(text, separator);
  if (std::isinf(expected)) {
    TAVRO_FUZZ_CHECK(!result.ok() && result.failure() == FailureKind::Overflow,
                     "a number beyond the doubles did not fail with overflow: \"%.*s\"", length,
                     text.data());
    return;
  }
  TAVRO_FUZZ_CHECK(result.ok(), "a number failed with %s: \"%.*s\" (separator %c)",
                   tavro::DescriptionOf(result.failure()), length, text.data(), separator.symbol);
  const double value = result.value();
  TAVRO_FUZZ_CHECK(std::isfinite(value), "read a non-finite value from \"%.*s\"", length,
                   text.data());
  TAVRO_FUZZ_CHECK(value == expected && std::signbit(value) == std::signbit(expected),
                   "\"%.*s\" read as %.17g, not %.17g", length, text.data(), value, expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckReading(text, DecimalSeparator::FullStop());
  CheckReading(text, DecimalSeparator::Comma());
  return 0;
}
