#include <dragonbox/dragonbox.h>
#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <system_error>

#include "core/float_chars.h"

namespace tavro::float_chars_portable {

std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
  double read = 0.0;
  const auto [ptr, ec] = fast_float::from_chars(first, last, read);
  std::from_chars_result result{ptr, ec};
  if (ec != std::errc()) return result;
  // fast_float gives an infinity for a number beyond the largest double and
  // zero for one below the smallest subnormal; the standard reports both as
  // out of range. A number starts with a digit or a full stop, "inf" does not.
  const std::string_view number(first, static_cast<std::size_t>(ptr - first));
  const std::string_view unsigned_number = number.substr(number.front() == '-');
  const bool is_number = !unsigned_number.empty() && unsigned_number.front() != 'i' &&
                         unsigned_number.front() != 'I' && unsigned_number.front() != 'n' &&
                         unsigned_number.front() != 'N';
  const std::string_view mantissa = number.substr(0, number.find_first_of("eE"));
  const bool out_of_range =
      is_number && (std::isinf(read) ||
                    (read == 0.0 && mantissa.find_first_of("123456789") != std::string_view::npos));
  if (out_of_range) {
    result.ec = std::errc::result_out_of_range;
    return result;
  }
  value = read;
  return result;
}

namespace {

// The exponent part as std::to_chars writes it: "e", its sign, at least two
// digits.
char* WriteExponent(char* out, char* last, int exponent) {
  *out++ = 'e';
  *out++ = exponent < 0 ? '-' : '+';
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10) *out++ = '0';
  return std::to_chars(out, last, magnitude).ptr;
}

}  // namespace

char* WriteShortest(char* first, char* last, double x) {
  char* out = first;
  if (std::signbit(x)) *out++ = '-';
  if (x == 0.0) {
    *out++ = '0';
    return WriteExponent(out, last, 0);
  }
  // The shortest significand that reads back as x, without trailing zeros,
  // and its power of ten.
  const auto decimal = jkj::dragonbox::to_decimal(x);
  std::array<char, 20> digits{};
  char* const digits_end =
      std::to_chars(digits.data(), digits.data() + digits.size(), decimal.significand).ptr;
  const auto count = static_cast<int>(digits_end - digits.data());
  *out++ = digits[0];
  if (count > 1) {
    *out++ = '.';
    out = std::copy(digits.data() + 1, digits_end, out);
  }
  return WriteExponent(out, last, decimal.exponent + count - 1);
}

char* WriteScientific(char* first, char* last, double x, int precision) {
  // The C library's %e rounds the exact binary value, as std::to_chars does.
  // Under a locale whose decimal point is not a full stop it writes that
  // point, which is put back to a full stop here.
  std::array<char, 400> text;
  const int written = std::snprintf(text.data(), text.size(), "%.*e", precision, x);
  const std::string_view printed(text.data(), static_cast<std::size_t>(std::max(written, 0)));
  const std::size_t first_digit = printed.find_first_of("0123456789");
  const std::size_t exponent_at = printed.find('e');
  char* out = std::copy(printed.begin(), printed.begin() + first_digit + 1, first);
  if (precision > 0) {
    const std::size_t fraction = printed.find_first_of("0123456789", first_digit + 1);
    *out++ = '.';
    out = std::copy(printed.begin() + fraction, printed.begin() + exponent_at, out);
  }
  const std::string_view exponent = printed.substr(exponent_at);
  return std::copy_n(exponent.data(), std::min<std::size_t>(exponent.size(), last - out), out);
}

}  // namespace tavro::float_chars_portable
