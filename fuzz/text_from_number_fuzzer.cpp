// TextFromNumber on arbitrary finite doubles (the input's first eight bytes
// are the bit pattern), with 15 and with every fewer number of significant
// digits, under both decimal separators. Every text must be laid out by the
// program's rules and read back through NumberFromText as the double rounded
// to that many significant digits; that rounding is taken independently from
// std::to_chars in scientific form and std::from_chars.

#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "core/number_text.h"
#include "fuzz_check.h"

namespace {

using tavro::CheckedNumber;
using tavro::DecimalSeparator;

// x rounded to the given number of significant digits, to nearest; nothing
// when that rounding lies beyond the largest double.
std::optional<double> Rounded(double x, int significant_digits) {
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, x,
                                     std::chars_format::scientific, significant_digits - 1);
  double rounded = 0.0;
  const auto read = std::from_chars(buffer, written.ptr, rounded);
  if (read.ec == std::errc::result_out_of_range) return std::nullopt;
  return rounded;
}

// The layout of a number's text: an optional minus, digits with at most one
// separator that is neither first nor last, no zero at the end of a fraction,
// at most `significant_digits` digits from the first non-zero one, and an
// optional exponent of E, a sign and digits without leading zeros. Returns
// what is wrong, or nothing.
const char* LayoutFault(std::string_view text, char separator, int significant_digits) {
  if (text.empty()) return "empty text";
  if (text.front() == '-') text.remove_prefix(1);
  std::string_view mantissa = text;
  if (const auto e = text.find('E'); e != std::string_view::npos) {
    mantissa = text.substr(0, e);
    std::string_view exponent = text.substr(e + 1);
    if (exponent.empty() || (exponent.front() != '+' && exponent.front() != '-')) {
      return "an exponent without its sign";
    }
    exponent.remove_prefix(1);
    if (exponent.empty() || exponent.front() == '0') return "an exponent with a leading zero";
    if (exponent.find_first_not_of("0123456789") != std::string_view::npos) {
      return "a stray character in the exponent";
    }
  }
  if (mantissa.empty()) return "no digits";
  const auto point = mantissa.find(separator);
  if (point != std::string_view::npos) {
    if (point == 0 || point + 1 == mantissa.size()) return "a separator without digits on one side";
    if (mantissa.back() == '0') return "a zero at the end of the fraction";
    if (mantissa.find(separator, point + 1) != std::string_view::npos) return "two separators";
  }
  std::string digits(mantissa);
  if (point != std::string_view::npos) digits.erase(point, 1);
  if (digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return "a character that is neither a digit, a sign, E nor the separator";
  }
  if (digits.size() > 1 && digits.front() == '0' && point != 1) return "a leading zero";
  // The zeros that end a whole number are not significant digits.
  const auto first_significant = digits.find_first_not_of('0');
  if (first_significant != std::string::npos && digits.find_last_not_of('0') - first_significant >=
                                                    static_cast<std::size_t>(significant_digits)) {
    return "too many significant digits";
  }
  return nullptr;
}

void CheckText(double x, DecimalSeparator separator, int significant_digits,
               const std::string& text) {
  const char* const fault = LayoutFault(text, separator.symbol, significant_digits);
  // The layout admits no letter but E and no separator but the locale's, so
  // neither "inf", "nan" nor the other locale's separator gets through.
  TAVRO_FUZZ_CHECK(fault == nullptr, "%a with %d digits written as \"%s\": %s", x,
                   significant_digits, text.c_str(), fault);
  if (x == 0.0) TAVRO_FUZZ_CHECK(text == "0", "zero written as \"%s\"", text.c_str());

  const CheckedNumber read = tavro::NumberFromText(text, separator);
  TAVRO_FUZZ_CHECK(read.ok(), "\"%s\" (%a with %d digits) does not read back: %s", text.c_str(), x,
                   significant_digits, tavro::DescriptionOf(read.failure()));
  const double value = read.value();
  TAVRO_FUZZ_CHECK(std::isfinite(value), "\"%s\" reads back as %g", text.c_str(), value);
  if (const std::optional<double> rounded = Rounded(x, significant_digits)) {
    TAVRO_FUZZ_CHECK(value == *rounded, "\"%s\" reads back as %.17g, not %.17g (%a with %d digits)",
                     text.c_str(), value, *rounded, x, significant_digits);
    const double magnitude = std::fabs(*rounded);
    const bool exponent_form = magnitude != 0.0 && (magnitude >= 1E15 || magnitude < 1E-4);
    TAVRO_FUZZ_CHECK((text.find('E') != std::string::npos) == exponent_form,
                     "%.17g written as \"%s\": exponent form from 1E+15 up and below 1E-4 only",
                     *rounded, text.c_str());
  } else {
    // Rounded to nearest, x would leave the doubles: the text must still be a
    // number no larger than x and no more than one unit of its last digit
    // below it.
    const double unit =
        std::pow(10.0, std::numeric_limits<double>::max_exponent10 + 1 - significant_digits);
    TAVRO_FUZZ_CHECK(std::fabs(value) <= std::fabs(x) && std::fabs(x) - std::fabs(value) <= unit &&
                         std::signbit(value) == std::signbit(x),
                     "\"%s\" reads back as %.17g, too far from %.17g", text.c_str(), value, x);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
  const double x = std::bit_cast<double>(bits);
  if (!std::isfinite(x)) return 0;
  for (const DecimalSeparator separator :
       {DecimalSeparator::FullStop(), DecimalSeparator::Comma()}) {
    CheckText(x, separator, tavro::kSignificantDigits, tavro::TextFromNumber(x, separator));
    for (int digits = 1; digits <= tavro::kSignificantDigits; ++digits) {
      CheckText(x, separator, digits, tavro::TextFromNumber(x, separator, digits));
    }
  }
  return 0;
}
