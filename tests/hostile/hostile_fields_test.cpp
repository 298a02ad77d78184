// Ten megabytes typed into every field without a maximum length of every
// window, then every button of that window: nothing crashes, every field keeps
// valid UTF-8 within its maximum length, every cell a finite number, and a
// long number still reads as the number it is.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>

#include "hostile/hostile_session.h"
#include "support/fill_fields.h"
#include "support/repeated_text.h"

namespace tavro::hostile {
namespace {

using ::testing::IsEmpty;

// 1.0000...05 between a megabyte of blanks on each side: reads as 1.
const std::string& LongOne() {
  static const std::string text = std::string(1u << 20, ' ') + "1." +
                                  std::string(kTenMegabytes - (3u << 20), '0') + "5" +
                                  std::string(1u << 20, ' ');
  return text;
}
// Ten megabytes of digits: a number far beyond the doubles.
const std::string& LongDigits() {
  static const std::string text = support::Repeated("1234567890", kTenMegabytes);
  return text;
}
// Ten megabytes of Cyrillic, emoji, control characters and number pieces.
const std::string& LongMixed() {
  static const std::string text = support::Repeated("пет😀\t\x01 5,5E+-\xE2\x80\xAE", kTenMegabytes);
  return text;
}

enum class Text { One, Digits, Mixed };

const std::string& TextOf(Text text) {
  switch (text) {
    case Text::One:
      return LongOne();
    case Text::Digits:
      return LongDigits();
    case Text::Mixed:
      return LongMixed();
  }
  return LongMixed();
}

class EveryButtonOnTenMegabytes : public ::testing::TestWithParam<std::tuple<const char*, Text>> {};

TEST_P(EveryButtonOnTenMegabytes, KeepsFieldsAndCellsSound) {
  const auto [name, text] = GetParam();
  Program program;
  program.clipboard.text = TextOf(text);
  WindowModel& window = program.Open(name);
  ASSERT_FALSE(window.OperationNames().empty());
  for (const std::string& operation : window.OperationNames()) {
    support::FillFields(window, TextOf(text), support::Retype::WhenChanged);
    program.Click(name, operation);
    EXPECT_THAT(program.BrokenFields(TextOf(text)), IsEmpty()) << "after " << operation;
    EXPECT_THAT(program.BrokenCells(), IsEmpty()) << "after " << operation;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EveryButtonOnTenMegabytes,
    ::testing::Combine(::testing::Values("Form1", "Form2", "Form3", "Form4", "Form6"),
                       ::testing::Values(Text::One, Text::Digits, Text::Mixed)));

// One result per window computed from ten-megabyte numbers.
struct LongNumberCase {
  const char* window;
  std::vector<std::pair<const char*, const char*>>
      typed;  // field, "1" for the long number or the text itself
  const char* operation;
  const char* result_field;
  const char* result;
};

class LongNumbers : public ::testing::TestWithParam<LongNumberCase> {};

TEST_P(LongNumbers, ReadAsTheirValue) {
  const LongNumberCase& test = GetParam();
  Program program;
  WindowModel& window = program.Open(test.window);
  for (const auto& [field, text] : test.typed) {
    window.FindField(field)->Type(std::string_view(text) == "1" ? std::string_view(LongOne())
                                                                : text);
  }
  program.Click(test.window, test.operation);
  EXPECT_EQ(window.FindField(test.result_field)->text(), test.result);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, LongNumbers,
    ::testing::Values(
        LongNumberCase{"Form2", {{"Text1", "1"}}, "Command1_Click", "Text2", "2.54"},
        LongNumberCase{"Form3", {{"Text1", "1"}, {"Text2", "1"}}, "Command3_Click", "Text3", "0.5"},
        LongNumberCase{"Form4",
                       {{"Text1", "1"}, {"Text2", "1"}, {"Text3", "1"}},
                       "Command6_Click",
                       "Text4",
                       "1"},
        LongNumberCase{
            "Form6",
            {{"Text1", "1"}, {"Text2", "+"}, {"Text3", "1"}, {"Text4", "+"}, {"Text5", "1"}},
            "Command1_Click",
            "Text6",
            "3"},
        LongNumberCase{"Form6",
                       {{"Text7", "1"},
                        {"Text8", "+"},
                        {"Text9", "1"},
                        {"Text10", "*"},
                        {"Text11", "1"},
                        {"Text12", "+"},
                        {"Text13", "1"}},
                       "Command2_Click",
                       "Text14",
                       "4"}));

TEST(LongAnswerInMemory, RecallsAsTheNumberRoundedToTheOperandField) {
  Program program;
  WindowModel& window = program.Open("Form1");
  window.FindField("Text3")->Type(LongOne());
  program.Click("Form1", "Command14_Click");  // MEM the answer field
  program.Click("Form1", "Command11_Click");  // MRC into the first number
  EXPECT_EQ(window.FindField("Text1")->text(), "1");
}

TEST(LongTextInMemory, RecallsAsItsFirstTwentyCharacters) {
  Program program;
  WindowModel& window = program.Open("Form1");
  window.FindField("Text3")->Type(LongMixed());
  program.Click("Form1", "Command14_Click");
  program.Click("Form1", "Command13_Click");  // MRC into the second number
  EXPECT_EQ(window.FindField("Text2")->text(), "пет😀\t\x01 5,5E+-\xE2\x80\xAEпет😀\t\x01");
}

TEST(LimitedFields, TakeOnlyTheirFirstCharactersOfTenMegabytes) {
  Program program;
  const std::string emoji = support::Repeated("😀", kTenMegabytes);
  WindowModel& standard = program.Open("Form1");
  standard.FindField("Text1")->Type(emoji);
  EXPECT_EQ(standard.FindField("Text1")->text(), support::Repeated("😀", 20 * 4));
  WindowModel& brackets = program.Open("Form6");
  for (const char* field : {"Text2", "Text4", "Text8", "Text10", "Text12"}) {
    brackets.FindField(field)->Type(emoji);
    EXPECT_EQ(brackets.FindField(field)->text(), "😀") << field;
  }
  EXPECT_THAT(program.BrokenFields(), IsEmpty());
}

}  // namespace
}  // namespace tavro::hostile
