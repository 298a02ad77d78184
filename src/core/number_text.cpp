#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

#include "core/float_chars.h"
#include "core/float_chars_route.h"

namespace tavro {
namespace {

constexpr char kBlank = ' ';

// Decides, for a well-formed number that was found out of range,
// whether it lies above the largest double (true) or below the smallest
// subnormal (false), from the position of its first significant digit and its
// exponent.
[[gnu::cold, gnu::noinline]] bool IsHuge(std::string_view number) {
  const auto exponent_at = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, exponent_at);
  long long exponent = 0;
  if (exponent_at != std::string_view::npos) {
    std::string_view digits = number.substr(exponent_at + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
      digits.remove_prefix(1);
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
  // It reads no blanks and no "+", and stops at the first character that
  // does not belong to the number.
  double value = 0.0;
  const auto [ptr, ec] =
      float_chars::ReadDouble(number.data(), number.data() + number.size(), value);
  if (ptr != number.data() + number.size() || ec == std::errc::invalid_argument) {
    return CheckedNumber::Failed(FailureKind::TypeMismatch);
  }
  if (ec == std::errc::result_out_of_range) {
    if (IsHuge(number)) return CheckedNumber::Failed(FailureKind::Overflow);
    return CheckedNumber::Of(number.front() == '-' ? -0.0 : 0.0);
  }
  // It also reads "inf" and "nan", the only texts that give no finite value.
  if (!std::isfinite(value)) return CheckedNumber::Failed(FailureKind::TypeMismatch);
  return CheckedNumber::Of(value);
}

}  // namespace

CheckedNumber NumberFromText(std::string_view text, DecimalSeparator separator) {
  const auto first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return CheckedNumber::Failed(FailureKind::TypeMismatch);
  text = text.substr(first, text.find_last_not_of(kBlank) - first + 1);
  if (text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-')
      return CheckedNumber::Failed(FailureKind::TypeMismatch);
  }
  if (separator.symbol == '.') return Parse(text);
  // The number is read with a full stop only: a copy has it in place of the
  // separator, and a blank, which no number contains, in place of any full
  // stop, so that a text with one fails as under this separator it should.
  const auto swap = [separator](char c) {
    return c == separator.symbol ? '.' : c == '.' ? kBlank : c;
  };
  std::array<char, 64> buffer;
  if (text.size() <= buffer.size()) {
    std::transform(text.begin(), text.end(), buffer.begin(), swap);
    return Parse(std::string_view(buffer.data(), text.size()));
  }
  std::string copy(text.size(), kBlank);
  std::transform(text.begin(), text.end(), copy.begin(), swap);
  return Parse(copy);
}

namespace {

// Lays out a number given in scientific form by float_chars
// ("-1.2500e-05"): its significant digits, without trailing zeros, plain for
// exponents from -4 to 14 and in exponent form (the letter E, the exponent's
// sign, no leading zeros) outside them; the locale's separator. The two limits
// are those of %g with 15 digits.
std::string LayOut(std::string_view scientific, DecimalSeparator separator) {
  const bool negative = scientific.front() == '-';
  const auto e = scientific.find('e');
  if (e == std::string_view::npos) return std::string(scientific);  // inf or nan, never shown
  int exponent = 0;
  const char* const exponent_digits = scientific.data() + e + 1 + (scientific[e + 1] == '+');
  std::from_chars(exponent_digits, scientific.data() + scientific.size(), exponent);
  // The first digit, which is not 0, and the others, after the full stop.
  const char first = scientific[negative];
  std::string_view rest = scientific.substr(0, e).substr(std::min<std::size_t>(negative + 2, e));
  rest = rest.substr(0, rest.find_last_not_of('0') + 1);

  std::array<char, 40> buffer;
  char* out = buffer.data();
  if (negative) *out++ = '-';
  if (exponent >= kSignificantDigits || exponent < -4) {
    *out++ = first;
    if (!rest.empty()) {
      *out++ = separator.symbol;
      out = std::copy(rest.begin(), rest.end(), out);
    }
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    out =
        std::to_chars(out, buffer.data() + buffer.size(), exponent < 0 ? -exponent : exponent).ptr;
  } else if (exponent < 0) {
    *out++ = '0';
    *out++ = separator.symbol;
    out = std::fill_n(out, -exponent - 1, '0');
    *out++ = first;
    out = std::copy(rest.begin(), rest.end(), out);
  } else {
    // The digits before the separator, after the first.
    const auto whole = static_cast<std::size_t>(exponent);
    *out++ = first;
    out = std::copy(rest.begin(), rest.begin() + std::min(whole, rest.size()), out);
    if (rest.size() < whole) {
      out = std::fill_n(out, whole - rest.size(), '0');
    } else if (rest.size() > whole) {
      *out++ = separator.symbol;
      out = std::copy(rest.begin() + whole, rest.end(), out);
    }
  }
  return std::string(buffer.data(), out);
}

// The scientific form with `significant_digits` digits.
std::string_view Scientific(std::array<char, 32>& buffer, double x, int significant_digits) {
  const char* end = float_chars::WriteScientific(buffer.data(), buffer.data() + buffer.size(), x,
                                                 significant_digits - 1);
  std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  // Rounding can carry a number near the largest double past it (1.8E+308 to
  // one digit is 2E+308), and such a text would not read back. There the
  // digits are cut instead: one unit less in the last digit kept.
  if (std::abs(x) > 1E+308 && !NumberFromText(text, DecimalSeparator::FullStop()).ok()) {
    const bool negative = text.front() == '-';
    const auto e = text.find('e');
    std::array<char, 24> digits{};
    char* const digits_end =
        std::remove_copy(text.begin() + negative, text.begin() + e, digits.begin(), '.');
    std::uint64_t mantissa = 0;
    std::from_chars(digits.data(), digits_end, mantissa);
    const std::string exponent(text.substr(e));
    char* out = buffer.data() + negative;
    out = std::to_chars(out, buffer.data() + buffer.size(), mantissa - 1).ptr;
    // Only mantissas from 17977 up overflow, so the number of digits stays.
    if (out - buffer.data() - negative > 1) {
      std::copy_backward(buffer.data() + negative + 1, out, out + 1);
      buffer[negative + 1] = '.';
      ++out;
    }
    out = std::copy(exponent.begin(), exponent.end(), out);
    text = std::string_view(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
  }
  return text;
}

}  // namespace

std::string TextFromNumber(double x, DecimalSeparator separator) {
  if (x == 0.0) return "0";
  std::array<char, 32> buffer;
  // The shortest text that reads back as x is found much faster than x
  // rounded to 15 digits, and when it has no more than 15 significant digits
  // it is that rounding: the neighbours of a normal double lie closer to it
  // than half a unit of its 15th digit.
  if (std::abs(x) >= std::numeric_limits<double>::min()) {
    const char* const end =
        float_chars::WriteShortest(buffer.data(), buffer.data() + buffer.size(), x);
    const std::string_view shortest(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const bool point = shortest.find('.') != std::string_view::npos;
    const auto digits = shortest.find('e') - (x < 0) - point;
    if (digits <= kSignificantDigits) return LayOut(shortest, separator);
  }
  return LayOut(Scientific(buffer, x, kSignificantDigits), separator);
}

std::string TextFromNumber(double x, DecimalSeparator separator, int significant_digits) {
  if (x == 0.0) return "0";
  std::array<char, 32> buffer;
  const int digits = std::clamp(significant_digits, 1, kSignificantDigits);
  return LayOut(Scientific(buffer, x, digits), separator);
}

}  // namespace tavro
