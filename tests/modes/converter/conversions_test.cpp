#include "modes/converter/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/failure.h"

namespace tavro {
namespace {

TEST(Conversions, OneEntryPerConversionButtonInOrder) {
  for (std::size_t i = 0; i < kConversions.size(); ++i) {
    EXPECT_EQ(kConversions[i].handler, "Command" + std::to_string(i + 1) + "_Click");
  }
}

// The factor of every multiplying conversion is what one unit converts to.
TEST(Conversions, FactorsOfTheMultiplyingConversions) {
  const double factors[] = {2.54,  0.394, 3.281, 0.305, 0.264, 2.205,
                            3.785, 0.454, 1.094, 0.914, 0.621, 1.609};
  for (std::size_t i = 0; i < std::size(factors); ++i) {
    EXPECT_EQ(kConversions[i].formula(1.0), factors[i]) << kConversions[i].units;
    EXPECT_EQ(kConversions[i].formula(0.0), 0.0) << kConversions[i].units;
  }
}

// At the largest double, the conversions with a factor above 1 overflow and
// fail; those with a factor below 1, and the division of "F->C", do not.
TEST(Conversions, TheLargestDoubleOverflowsOnlyTheEnlargingConversions) {
  const double largest = std::numeric_limits<double>::max();
  const bool overflows[] = {true,  false, true,  false, false, true, true,
                            false, true,  false, false, true,  true, false};
  for (std::size_t i = 0; i < kConversions.size(); ++i) {
    for (const double x : {largest, -largest}) {
      if (overflows[i]) {
        try {
          kConversions[i].formula(x);
          ADD_FAILURE() << kConversions[i].units << " did not fail";
        } catch (const Failure& failure) {
          EXPECT_EQ(failure.kind(), FailureKind::Overflow);
        }
      } else {
        EXPECT_TRUE(std::isfinite(kConversions[i].formula(x))) << kConversions[i].units;
      }
    }
  }
}

}  // namespace
}  // namespace tavro
