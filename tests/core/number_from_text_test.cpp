#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/number_text.h"

namespace tavro {
namespace {

constexpr DecimalSeparator kEn = DecimalSeparator::FullStop();
constexpr DecimalSeparator kBg = DecimalSeparator::Comma();

struct Readable {
  const char* text;
  double value;
};

class ReadsAsNumber : public ::testing::TestWithParam<Readable> {};

TEST_P(ReadsAsNumber, UnderFullStop) {
  const CheckedNumber result = NumberFromText(GetParam().text, kEn);
  ASSERT_TRUE(result.ok()) << GetParam().text;
  EXPECT_EQ(result.value(), GetParam().value);
}

TEST_P(ReadsAsNumber, UnderCommaWithTheSeparatorSwapped) {
  std::string text = GetParam().text;
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  const CheckedNumber result = NumberFromText(text, kBg);
  ASSERT_TRUE(result.ok()) << text;
  EXPECT_EQ(result.value(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ReadsAsNumber,
    ::testing::Values(Readable{"12", 12}, Readable{"  12  ", 12}, Readable{"1E3", 1000},
                      Readable{"1e3", 1000}, Readable{"-0.5", -0.5}, Readable{"+7", 7},
                      Readable{".5", 0.5}, Readable{"5.", 5}, Readable{"-.25", -0.25},
                      Readable{"1.5E-2", 0.015}, Readable{"2e+2", 200}, Readable{"007", 7},
                      Readable{"1.7976931348623157E+308", std::numeric_limits<double>::max()},
                      Readable{"4.9E-324", std::numeric_limits<double>::denorm_min()},
                      Readable{"1E-310", 1E-310}, Readable{"1E-400", 0.0},
                      Readable{"0E999999999999999999999", 0.0},
                      Readable{"0.000000000000000000001E-400", 0.0}));

class FailsToRead : public ::testing::TestWithParam<const char*> {};

TEST_P(FailsToRead, WithTypeMismatchUnderBothSeparators) {
  for (DecimalSeparator separator : {kEn, kBg}) {
    const CheckedNumber result = NumberFromText(GetParam(), separator);
    ASSERT_FALSE(result.ok()) << GetParam();
    EXPECT_EQ(result.failure(), FailureKind::TypeMismatch) << GetParam();
  }
}

INSTANTIATE_TEST_SUITE_P(NotNumbers, FailsToRead,
                         ::testing::Values("", " ", "     ", "a", "E", "e5", "-", "+", ".", ",",
                                           "1e", "1e+", "1E-", "--1", "+-1", "-+1", "++1", "1-",
                                           "1 2", "1..2", "1,,2", "inf", "-inf", "nan", "infinity",
                                           "0x10", "1e5.5", "\t1", "1\n", "١٢", "12€", "ПЪРВО", "😀",
                                           "1😀", "1_000", "1'000"));

TEST(NumberFromText, TheOtherLocalesSeparatorIsNotANumber) {
  EXPECT_FALSE(NumberFromText("1,5", kEn).ok());
  EXPECT_FALSE(NumberFromText("1.5", kBg).ok());
  EXPECT_EQ(NumberFromText("1,5", kBg).value(), 1.5);
  EXPECT_FALSE(NumberFromText("1,5.0", kBg).ok());
}

TEST(NumberFromText, AnEmbeddedNulIsNotPartOfANumber) {
  EXPECT_FALSE(NumberFromText(std::string("1\0", 2), kEn).ok());
  EXPECT_FALSE(NumberFromText(std::string("\0"
                                          "1",
                                          2),
                              kBg)
                   .ok());
}

TEST(NumberFromText, BeyondTheLargestDoubleOverflows) {
  for (const char* text : {"1E400", "-1E400", "1.8E308", "1E99999999999999999999",
                           "100000000000000000000000000000000000000E300"}) {
    const CheckedNumber result = NumberFromText(text, kEn);
    ASSERT_FALSE(result.ok()) << text;
    EXPECT_EQ(result.failure(), FailureKind::Overflow) << text;
  }
}

TEST(NumberFromText, TooSmallKeepsItsSign) {
  EXPECT_TRUE(std::signbit(NumberFromText("-1E-400", kEn).value()));
  EXPECT_FALSE(std::signbit(NumberFromText("1E-400", kEn).value()));
}

TEST(NumberFromText, ValueThrowsTheFailureKind) {
  try {
    NumberFromText("x", kEn).value();
    FAIL() << "no failure thrown";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::TypeMismatch);
  }
}

TEST(NumberFromText, MegabyteTextsAreReadOrRejectedWhole) {
  const std::string zeros(4 << 20, '0');
  EXPECT_EQ(NumberFromText(zeros + "1", kEn).value(), 1.0);
  EXPECT_EQ(NumberFromText("0." + zeros + "1E+4194305", kEn).value(), 1.0);
  EXPECT_EQ(
      NumberFromText(std::string(4 << 20, ' ') + "3" + std::string(1 << 20, ' '), kBg).value(),
      3.0);
  EXPECT_FALSE(NumberFromText(zeros + "x", kEn).ok());
  EXPECT_FALSE(NumberFromText(std::string(4 << 20, '-') + "1", kEn).ok());
  EXPECT_EQ(NumberFromText("1" + zeros, kEn).failure(), FailureKind::Overflow);
}

}  // namespace
}  // namespace tavro
