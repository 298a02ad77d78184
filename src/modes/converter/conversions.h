#pragma once

#include <array>
#include <string_view>

namespace tavro {

// One fixed unit conversion: a formula over the number x, computed in double
// precision with the floating-point check (throws Failure on overflow).
struct Conversion {
  std::string_view handler;  // the button's click handler
  std::string_view units;    // what it converts, for readers of the table
  double (*formula)(double x);
};

// The factors of each pair are rounded to three or four significant digits
// and are not reciprocals of each other: 1 inch to centimetres and back gives
// 1.00076. "F->C" subtracts the rounded constant 17.77777777778 rather than
// computing (x - 32) / 1.8, so its results lie about 2.2E-12 below the exact
// conversion. The order of the operations is part of the result.
extern const std::array<Conversion, 14> kConversions;

}  // namespace tavro
