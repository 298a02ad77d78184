#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/float_chars.h"
#include "core/float_chars_route.h"
#include "core/number_text.h"

namespace tavro {
namespace {

constexpr DecimalSeparator kEn = DecimalSeparator::FullStop();
constexpr DecimalSeparator kBg = DecimalSeparator::Comma();

struct Written {
  double value;
  const char* en;
  const char* bg;
};

class WritesNumber : public ::testing::TestWithParam<Written> {};

TEST_P(WritesNumber, InBothLocales) {
  EXPECT_EQ(TextFromNumber(GetParam().value, kEn), GetParam().en);
  EXPECT_EQ(TextFromNumber(GetParam().value, kBg), GetParam().bg);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WritesNumber,
    ::testing::Values(
        Written{0.0 * -5, "0", "0"}, Written{0.1 + 0.2, "0.3", "0,3"},
        Written{2.0 / 3, "0.666666666666667", "0,666666666666667"},
        Written{1.0 / 3, "0.333333333333333", "0,333333333333333"}, Written{1E15, "1E+15", "1E+15"},
        Written{999999999999999, "999999999999999", "999999999999999"},
        Written{999999999999999.6, "1E+15", "1E+15"}, Written{5, "5", "5"}, Written{-1, "-1", "-1"},
        Written{0.5, "0.5", "0,5"}, Written{7.5, "7.5", "7,5"},
        Written{-1.23456789012346E+17, "-1.23456789012346E+17", "-1,23456789012346E+17"},
        Written{-2.5E-12, "-2.5E-12", "-2,5E-12"},
        Written{-2.22044604925031E-12, "-2.22044604925031E-12", "-2,22044604925031E-12"},
        // Exponent form starts below 1E-4, and a one-digit negative exponent
        // has no leading zero.
        Written{0.0001, "0.0001", "0,0001"}, Written{0.00012345, "0.00012345", "0,00012345"},
        Written{0.00001, "1E-5", "1E-5"}, Written{-0.000099, "-9.9E-5", "-9,9E-5"},
        Written{1E-10, "1E-10", "1E-10"}, Written{1E100, "1E+100", "1E+100"},
        // Rounded up, the largest double would pass the double range; it is
        // written cut instead, so that its text reads back.
        Written{std::numeric_limits<double>::max(), "1.79769313486231E+308",
                "1,79769313486231E+308"},
        Written{-std::numeric_limits<double>::max(), "-1.79769313486231E+308",
                "-1,79769313486231E+308"},
        Written{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324",
                "4,94065645841247E-324"},
        Written{123456789.125, "123456789.125", "123456789,125"},
        Written{99.9999999999978, "99.9999999999978", "99,9999999999978"}));

TEST(TextFromNumber, FewerDigitsRoundAndKeepTheSameLayoutRules) {
  EXPECT_EQ(TextFromNumber(-1.23456789012346E+17, kEn, 14), "-1.2345678901235E+17");
  EXPECT_EQ(TextFromNumber(-2.22044604925031E-12, kEn, 14), "-2.2204460492503E-12");
  EXPECT_EQ(TextFromNumber(9.96, kEn, 2), "10");
  EXPECT_EQ(TextFromNumber(0.000123456, kBg, 3), "0,000123");
  EXPECT_EQ(TextFromNumber(123456789012345.0, kEn, 3), "123000000000000");
  EXPECT_EQ(TextFromNumber(1.6E-7, kEn, 1), "2E-7");
  EXPECT_EQ(TextFromNumber(-987.654, kBg, 4), "-987,7");
  EXPECT_EQ(TextFromNumber(0.00999, kEn, 2), "0.01");
  EXPECT_EQ(TextFromNumber(0.0, kEn, 3), "0");
}

TEST(TextFromNumber, NearTheLargestDoubleFewerDigitsAreCutNotCarriedPastIt) {
  const double largest = std::numeric_limits<double>::max();
  EXPECT_EQ(TextFromNumber(largest, kEn, 1), "1E+308");
  EXPECT_EQ(TextFromNumber(largest, kBg, 4), "1,797E+308");
  EXPECT_EQ(TextFromNumber(-largest, kEn, 14), "-1.7976931348623E+308");
  EXPECT_EQ(TextFromNumber(-1.7652059790177953e+308, kEn, 1), "-1E+308");
  EXPECT_EQ(TextFromNumber(-1.7652059790177953e+308, kEn, 2), "-1.7E+308");
  EXPECT_EQ(TextFromNumber(1.7652059790177953e+308, kEn, 3), "1.77E+308");
  for (int digits = 1; digits <= kSignificantDigits; ++digits) {
    for (double x : {largest, -largest, 1.79E+308, 1.75E+308}) {
      EXPECT_TRUE(NumberFromText(TextFromNumber(x, kEn, digits), kEn).ok()) << x << " " << digits;
    }
  }
}

// The double nearest to x rounded to 15 significant digits, by the
// conversions alone (the standard library's where it has them).
double RoundedTo15Digits(double x) {
  char buffer[64];
  const char* const end = float_chars::WriteScientific(buffer, buffer + sizeof buffer, x, 14);
  double rounded = 0;
  float_chars::ReadDouble(buffer, end, rounded);
  return rounded;
}

// Every text written reads back, under the same separator, as the number it
// shows: the double rounded to 15 significant digits.
TEST(TextFromNumber, ReadsBackAsTheNumberItShows) {
  std::mt19937_64 random(20261208);
  std::uniform_int_distribution<std::uint64_t> bits;
  int checked = 0;
  while (checked < 20000) {
    const std::uint64_t random_bits = bits(random);
    double x = 0;
    std::memcpy(&x, &random_bits, sizeof x);
    if (!std::isfinite(x)) continue;
    ++checked;
    for (DecimalSeparator separator : {kEn, kBg}) {
      const std::string text = TextFromNumber(x, separator);
      const CheckedNumber back = NumberFromText(text, separator);
      ASSERT_TRUE(back.ok()) << text;
      EXPECT_EQ(back.value(), RoundedTo15Digits(x)) << text;
      EXPECT_EQ(text.find(separator == kEn ? ',' : '.'), std::string::npos) << text;
      EXPECT_EQ(text.find_first_of("einf"), std::string::npos) << text;
    }
  }
}

}  // namespace
}  // namespace tavro
