#include "core/text_field.h"

#include <gtest/gtest.h>

#include <string>

#include "core/utf8.h"

namespace tavro {
namespace {

constexpr DecimalSeparator kEn = DecimalSeparator::FullStop();
constexpr DecimalSeparator kBg = DecimalSeparator::Comma();

TEST(TextField, TypingStopsAtTheMaximumLength) {
  TextField field("Text1", 20);
  field.Type("123456789012345678901");
  EXPECT_EQ(field.text(), "12345678901234567890");
  TextField operator_field("Text2", 1);
  operator_field.Type("😀+");
  EXPECT_EQ(operator_field.text(), "😀");
}

TEST(TextField, AFieldWithoutLimitTakesAnyText) {
  TextField field("Text3", std::nullopt);
  const std::string long_text(1 << 20, 'x');
  field.Write(long_text, kEn);
  EXPECT_EQ(field.text(), long_text);
}

struct Fit {
  const char* written;
  const char* kept;
};

class HandlerWriteInto20 : public ::testing::TestWithParam<Fit> {};

TEST_P(HandlerWriteInto20, RoundsNumbersAndCutsOtherText) {
  TextField field("Text1", 20);
  field.Write(GetParam().written, kEn);
  EXPECT_EQ(field.text(), GetParam().kept);
  EXPECT_LE(utf8::CountCharacters(field.text()), 20u);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HandlerWriteInto20,
    ::testing::Values(Fit{"-1.23456789012346E+17", "-1.2345678901235E+17"},
                      Fit{"-2.22044604925031E-12", "-2.2204460492503E-12"},
                      Fit{"12345678901234567890", "12345678901234567890"},
                      Fit{"1234567890123456789012345", "1.23456789012346E+24"},
                      Fit{"-1234567890123456789012345", "-1.2345678901235E+24"},
                      Fit{"-0.000123456789012345", "-0.00012345678901234"},
                      Fit{"                 7.5    ", "7.5"},
                      Fit{"abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrst"},
                      Fit{"ПЪРВО ЧИСЛО ПЪРВО ЧИСЛО", "ПЪРВО ЧИСЛО ПЪРВО ЧИ"},
                      Fit{"1.5 is not a number alone", "1.5 is not a number "}));

TEST(TextField, RoundingFollowsTheSeparator) {
  TextField field("Text1", 20);
  field.Write("-1,23456789012346E+17", kBg);
  EXPECT_EQ(field.text(), "-1,2345678901235E+17");
  field.Write("-1.23456789012346E+17", kBg);  // not a number under a comma
  EXPECT_EQ(field.text(), "-1.23456789012346E+1");
}

TEST(TextField, ANumberThatCannotFitAtAllIsCut) {
  TextField field("Text2", 1);
  field.Write("12", kEn);
  EXPECT_EQ(field.text(), "1");
  field.Write("7", kEn);
  EXPECT_EQ(field.text(), "7");
}

TEST(TextField, HoldsOnlyWellFormedText) {
  TextField limited("Text2", 1);
  limited.Type("\xE9+");
  EXPECT_EQ(limited.text(), "\uFFFD");
  TextField field("Text1", std::nullopt);
  field.Write("1\xC3", kEn);
  EXPECT_EQ(field.text(), "1\uFFFD");
}

TEST(TextField, ResetEmpties) {
  TextField field("Text1", 20);
  field.Type("5");
  field.Reset();
  EXPECT_EQ(field.text(), "");
}

}  // namespace
}  // namespace tavro
