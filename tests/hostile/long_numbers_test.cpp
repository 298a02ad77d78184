// The calculation core on ten-megabyte texts: numbers padded with blanks or
// zeros, exponents of millions of digits, and long texts written into short
// fields. Each reads as the number it is, or fails as it should, under both
// separators.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/number_text.h"
#include "core/text_field.h"
#include "hostile/hostile_session.h"
#include "support/repeated_text.h"

namespace tavro::hostile {
namespace {

constexpr DecimalSeparator kSeparators[] = {DecimalSeparator::FullStop(),
                                            DecimalSeparator::Comma()};

std::string WithSeparator(std::string text, DecimalSeparator separator) {
  for (auto at = text.find('.'); at != std::string::npos; at = text.find('.', at + 1)) {
    text[at] = separator.symbol;
  }
  return text;
}

struct Reading {
  const char* name;
  std::string text;  // with a full stop; the comma is put in for the other separator
  double value;
};

class LongNumber : public ::testing::TestWithParam<Reading> {};

TEST_P(LongNumber, ReadsAsItsValue) {
  for (const DecimalSeparator separator : kSeparators) {
    const CheckedNumber result =
        NumberFromText(WithSeparator(GetParam().text, separator), separator);
    ASSERT_TRUE(result.ok()) << GetParam().name << " under " << separator.symbol << ": "
                             << DescriptionOf(result.failure());
    EXPECT_EQ(result.value(), GetParam().value) << GetParam().name << " under " << separator.symbol;
  }
}

const std::string kZeros(kTenMegabytes, '0');
const std::string kBlanks(kTenMegabytes, ' ');
const std::string kNines(kTenMegabytes, '9');

INSTANTIATE_TEST_SUITE_P(
    TenMegabytes, LongNumber,
    ::testing::Values(Reading{"blanks around", kBlanks + "-2.5" + kBlanks, -2.5},
                      Reading{"leading zeros", kZeros + "7", 7},
                      Reading{"trailing zeros of a fraction", "0.5" + kZeros, 0.5},
                      Reading{"a long fraction", "1." + kZeros + "1", 1},
                      Reading{"zeros shifted back by the exponent",
                              "0." + kZeros + "1E+" + std::to_string(kTenMegabytes + 1), 1},
                      Reading{"a tiny number", "1E-" + kNines, 0},
                      Reading{"zero with a huge exponent", "0E+" + kNines, 0},
                      Reading{"nines", "0." + kNines, 1}),
    [](const ::testing::TestParamInfo<Reading>& info) {
      std::string name = info.param.name;
      for (char& c : name) {
        if (c == ' ') c = '_';
      }
      return name;
    });

TEST(LongNonNumbers, FailAsTheyShould) {
  const std::pair<std::string, FailureKind> cases[] = {
      {"1E+" + kNines, FailureKind::Overflow},
      {kNines, FailureKind::Overflow},
      {"-" + kNines + ".5", FailureKind::Overflow},
      {kNines + "x", FailureKind::TypeMismatch},
      {"1.." + kZeros, FailureKind::TypeMismatch},
      {kBlanks, FailureKind::TypeMismatch},
      {"1" + kBlanks + "2", FailureKind::TypeMismatch},
      {support::Repeated("пет", kTenMegabytes), FailureKind::TypeMismatch},
  };
  for (const auto& [text, kind] : cases) {
    for (const DecimalSeparator separator : kSeparators) {
      const CheckedNumber result = NumberFromText(WithSeparator(text, separator), separator);
      ASSERT_FALSE(result.ok()) << text.substr(0, 20) << " under " << separator.symbol;
      EXPECT_EQ(result.failure(), kind) << text.substr(0, 20) << " under " << separator.symbol;
    }
  }
}

TEST(LongTextWrittenIntoAShortField, IsRoundedWhenANumberAndCutOtherwise) {
  TextField field("Text1", 20);
  field.Write("1." + kZeros + "5", DecimalSeparator::FullStop());
  EXPECT_EQ(field.text(), "1");
  field.Write(kBlanks + "0.333333333333333333", DecimalSeparator::FullStop());
  EXPECT_EQ(field.text(), "0.333333333333333");
  field.Write(support::Repeated("щ", kTenMegabytes), DecimalSeparator::FullStop());
  EXPECT_EQ(field.text(), support::Repeated("щ", 40));
  field.Write(kNines, DecimalSeparator::Comma());  // beyond the doubles: not a number, cut
  EXPECT_EQ(field.text(), std::string(20, '9'));
}

}  // namespace
}  // namespace tavro::hostile
