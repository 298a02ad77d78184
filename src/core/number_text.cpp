#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

namespace tavro {
namespace {

constexpr char kBlank = ' ';

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Decides, for a well-formed number that std::from_chars found out of range,
// whether it lies above the largest double (true) or below the smallest
// subnormal (false), from the position of its first significant digit and its
// exponent.
bool IsHuge(std::string_view number) {
  const auto exponent_at = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, exponent_at);
  long long exponent = 0;
  if (exponent_at != std::string_view::npos) {
    std::string_view digits = number.substr(exponent_at + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    if (ec == std::errc::result_out_of_range) exponent = std::numeric_limits<long long>::max() / 2;
    if (negative) exponent = -exponent;
  }
  const auto point = mantissa.find('.');
  const std::string_view whole = mantissa.substr(0, point);
  const auto first_significant = whole.find_first_not_of("0-");
  long long magnitude = 0;
  if (first_significant != std::string_view::npos) {
    magnitude = static_cast<long long>(whole.size() - first_significant) - 1;
  } else {
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);
    magnitude = -static_cast<long long>(fraction.find_first_not_of('0')) - 1;
  }
  // Both terms are far from the limits of long long, so the sum cannot wrap.
  return magnitude + exponent > 0;
}

CheckedNumber Parse(std::string_view number) {
  // std::from_chars reads no blanks, no "+" and no "inf"/"nan", and stops at
  // the first character that does not belong to the number.
  const std::string_view unsigned_part = number.substr(!number.empty() && number.front() == '-');
  if (unsigned_part.empty() || !(IsDigit(unsigned_part.front()) || unsigned_part.front() == '.')) {
    return CheckedNumber::Failed(FailureKind::TypeMismatch);
  }
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ptr != number.data() + number.size() || ec == std::errc::invalid_argument) {
    return CheckedNumber::Failed(FailureKind::TypeMismatch);
  }
  if (ec == std::errc::result_out_of_range) {
    if (IsHuge(number)) return CheckedNumber::Failed(FailureKind::Overflow);
    return CheckedNumber::Of(number.front() == '-' ? -0.0 : 0.0);
  }
  return CheckedNumber::Of(value);
}

}  // namespace

CheckedNumber NumberFromText(std::string_view text, DecimalSeparator separator) {
  const auto first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return CheckedNumber::Failed(FailureKind::TypeMismatch);
  text = text.substr(first, text.find_last_not_of(kBlank) - first + 1);
  if (text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return CheckedNumber::Failed(FailureKind::TypeMismatch);
  }
  if (separator.symbol == '.') return Parse(text);
  // Under another separator a full stop is not part of a number.
  if (text.find('.') != std::string_view::npos) {
    return CheckedNumber::Failed(FailureKind::TypeMismatch);
  }
  std::string copy(text);
  std::replace(copy.begin(), copy.end(), separator.symbol, '.');
  return Parse(copy);
}

namespace {

// Turns the exponent of a C-style number text ("e+15", "e-05") into the
// program's ("E+15", "E-5"), and the full stop into the locale's separator.
std::string Finish(std::string_view c_text, DecimalSeparator separator) {
  std::string text(c_text);
  const auto e = text.find('e');
  if (e != std::string::npos) {
    text[e] = 'E';
    const auto digits = e + 2;  // past the sign, which to_chars always writes
    const auto significant = text.find_first_not_of('0', digits);
    text.erase(digits, std::min(significant, text.size() - 1) - digits);
  }
  if (separator.symbol != '.') std::replace(text.begin(), text.end(), '.', separator.symbol);
  return text;
}

}  // namespace

std::string TextFromNumber(double x, DecimalSeparator separator) {
  if (x == 0.0) return "0";
  // %g with 15 digits switches to exponent form exactly at the program's limits:
  // from 1E+15 up, and below 1E-4.
  std::array<char, 32> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                    std::chars_format::general, kSignificantDigits);
  return Finish(std::string_view(buffer.data(), result.ptr - buffer.data()), separator);
}

std::string TextFromNumber(double x, DecimalSeparator separator, int significant_digits) {
  significant_digits = std::clamp(significant_digits, 1, kSignificantDigits);
  if (significant_digits == kSignificantDigits || x == 0.0) return TextFromNumber(x, separator);
  // Round to the digits first, then lay the digits out by the same limits as
  // above, which do not depend on how many digits are kept.
  std::array<char, 400> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                    std::chars_format::scientific, significant_digits - 1);
  const std::string_view scientific(buffer.data(), result.ptr - buffer.data());
  int exponent = 0;
  const auto e = scientific.find('e');
  const char* exponent_begin = scientific.data() + e + 1 + (scientific[e + 1] == '+');
  std::from_chars(exponent_begin, scientific.data() + scientific.size(), exponent);
  if (exponent >= kSignificantDigits || exponent < -4) {
    std::string text(scientific.substr(0, e));
    if (text.find('.') != std::string::npos) {
      text.erase(text.find_last_not_of('0') + 1);
      if (text.back() == '.') text.pop_back();
    }
    text.append(scientific.substr(e));
    return Finish(text, separator);
  }
  // Lay the rounded digits out without an exponent, then drop trailing zeros
  // of the fraction.
  const bool negative = scientific.front() == '-';
  std::string digits(scientific.substr(negative, e - negative));
  digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
  std::string text = negative ? "-" : "";
  if (exponent < 0) {
    text.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  } else {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() < whole) digits.append(whole - digits.size(), '0');
    text.append(digits, 0, whole);
    if (digits.size() > whole) text.append(".").append(digits, whole);
  }
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return Finish(text, separator);
}

}  // namespace tavro
