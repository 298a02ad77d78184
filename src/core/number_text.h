#pragma once

#include <string>
#include <string_view>

#include "core/decimal_separator.h"
#include "core/failure.h"

namespace tavro {

// A double, or the reason there is none.
class CheckedNumber {
 public:
  static CheckedNumber Of(double value) { return CheckedNumber(value, false, {}); }
  static CheckedNumber Failed(FailureKind kind) { return CheckedNumber(0.0, true, kind); }

  bool ok() const { return !failed_; }
  FailureKind failure() const { return kind_; }
  // The number; throws Failure when there is none.
  double value() const {
    if (failed_) throw Failure(kind_);
    return value_;
  }

 private:
  CheckedNumber(double value, bool failed, FailureKind kind)
      : value_(value), failed_(failed), kind_(kind) {}
  double value_;
  bool failed_;
  FailureKind kind_;
};

// Reads a number typed by the user: blanks around it, an optional sign,
// digits with at most one decimal separator, an optional exponent (E or e, an
// optional sign, digits). Anything else fails with TypeMismatch; a magnitude
// beyond the largest finite double fails with Overflow; a magnitude too small
// to represent reads as the nearest double (a subnormal, or zero).
CheckedNumber NumberFromText(std::string_view text, DecimalSeparator separator);

// The most significant digits a number is ever written with.
inline constexpr int kSignificantDigits = 15;

// Writes a finite double as the program shows it: at most 15 significant
// digits, no trailing zeros, no separator for a whole value, negative zero as
// "0", and exponent form (1E+15, -2.5E-12, 1E-5) for magnitudes of 1E+15 and
// above or below 1E-4. The exponent carries its sign and no leading zeros.
std::string TextFromNumber(double x, DecimalSeparator separator);

// The same rules with fewer significant digits (1 to 15); used to fit a number
// into a field too short for its full text.
std::string TextFromNumber(double x, DecimalSeparator separator, int significant_digits);

}  // namespace tavro
