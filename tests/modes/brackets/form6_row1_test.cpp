#include <string>
#include <vector>

#include "form6_fixture.h"

namespace tavro {
namespace {

INSTANTIATE_TEST_SUITE_P(Locales, Form6Test, support::BothLocales(), support::LocaleNameOf);

TEST_P(Form6Test, WindowHasFourteenFieldsFiveOfOneCharacter) {
  EXPECT_EQ(form.name(), "Form6");
  ASSERT_EQ(form.fields().size(), 14u);
  for (int number = 1; number <= 14; ++number) {
    const TextField& field = form.fields()[number - 1];
    EXPECT_EQ(field.name(), "Text" + std::to_string(number));
    if (IsOperatorField(number)) {
      EXPECT_EQ(field.max_length(), 1u) << number;
    } else {
      EXPECT_FALSE(field.max_length()) << number;
    }
  }
  EXPECT_EQ(form.OperationNames(), (std::vector<std::string>{"Command1_Click", "Command2_Click",
                                                             "Command3_Click", "Command4_Click"}));
  EXPECT_TRUE(form.Bracket1().IsEmpty());
  EXPECT_TRUE(form.Bracket2().IsEmpty());
  EXPECT_TRUE(form.Total().IsEmpty());
}

// Texts of Text1 to Text6 before a press of row 1's ANSWER on a fresh window,
// and Text6 after it.
struct Row1Case {
  std::vector<std::string> typed;
  const char* result;
};

TEST_P(Form6Test, Row1OnAFreshWindow) {
  const Row1Case cases[] = {
      {{"", "", "", "", "", ""}, "0"},
      {{"2", "+", "3", "*", "4"}, "20"},
      {{"2", "*", "3", "+", "4"}, "10"},
      {{"10", ":", "4", "_", "1"}, "1.5"},
      {{"7", "\\", "2", "+", "0"}, "3.5"},
      {{"5", "_", "8", "x", "1"}, "-3"},
      {{"0.5", ".", "4", "-", "0.25"}, "1.75"},
      {{"2", "+", "3", "", "", ""}, "0"},  // the bracket alone is never shown
      {{"2", "+", "3", "", "", "7"}, "7"},
      {{"2", "+", "3", "X", "4", "7"}, "7"},  // capital X selects nothing
      {{"1", "/", "0", "+", "1"}, "1"},       // bracket abandoned: the empty cell counts as 0
      {{"0", "/", "0", "+", "1"}, "1"},
      {{"", "+", "3", "+", "4"}, "4"},  // empty left operand: bracket abandoned
      {{" ", "+", "3", "+", "4"}, "4"},
      {{"1E200", "*", "1E200", "+", "4"}, "4"},   // bracket overflows
      {{"2", "+", "2", "*", "1E308"}, "0"},       // outer step overflows, Text6 was empty
      {{"2", "+", "2", "/", "0", "old"}, "old"},  // division by zero leaves Text6
      {{"2", "+", "2", "+", "\xD0\xB4\xD0\xB2\xD0\xB5"}, "0"},
      {{"1.7976931348623157E308", "+", "0", "-", "0"}, "1.79769313486231E+308"},
      {{"1E-200", "*", "1E-200", "+", "0"}, "0"},  // too small: zero, no failure
      {{"hi"}, "HI MAN!!!"},
      {{"velimort", "", "", "", "", "x"}, "HI VELIMORT!!!"},
      {{"hi", "", "", "+", "3"}, "3"},          // the reply is written, then overwritten
      {{"hi", "", "", "/", "0"}, "HI MAN!!!"},  // the outer step is abandoned
      {{"METALLICA", "+", "2"}, "YEEAH !!!"},
      {{"metallica", "+", "2", "+"}, "YEAH !!!"},
      {{"Metallica"}, "0"},
      {{"hI", "", "", "", "", "typed"}, "typed"},
  };
  for (const Row1Case& c : cases) {
    Form6 fresh(GetParam());
    for (std::size_t i = 0; i < c.typed.size(); ++i) {
      const int number = static_cast<int>(i) + 1;
      fresh.FindField("Text" + std::to_string(number))
          ->Type(IsOperatorField(number) ? c.typed[i] : Local(c.typed[i]));
    }
    fresh.Command1_Click();
    std::string label;
    for (const std::string& text : c.typed) label += "[" + text + "]";
    EXPECT_EQ(fresh.Text6().text(), Local(c.result)) << label;
    // No press writes an operand or operator field.
    for (std::size_t i = 0; i < c.typed.size() && i < 5; ++i) {
      EXPECT_EQ(fresh.fields()[i].text(),
                IsOperatorField(static_cast<int>(i) + 1) ? c.typed[i] : Local(c.typed[i]))
          << label;
    }
  }
}

TEST_P(Form6Test, TheOtherLocalesSeparatorIsNotANumber) {
  const std::string foreign = std::string("2") + Foreign() + "5";
  form.Text1().Type(foreign);
  form.Text2().Type("+");
  form.Text3().Type("1");
  form.Text4().Type("+");
  form.Text5().Type("1");
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "1");
  EXPECT_TRUE(form.Bracket1().IsEmpty());
  form.Text5().Type(foreign);
  form.Text6().Type("");
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "0");
  form.Text11().Type("1");
  form.Text12().Type("+");
  form.Text13().Type(foreign);
  form.Command2_Click();
  EXPECT_TRUE(form.Bracket2().IsEmpty());
}

TEST_P(Form6Test, Row1BracketGoesIntoBracket1) {
  Fill(1, {"2", "+", "3"});
  form.Command1_Click();
  EXPECT_EQ(Number(form.Bracket1()), 5);
  EXPECT_EQ(form.Text6().text(), "0");
  EXPECT_TRUE(form.Total().IsEmpty());
  EXPECT_TRUE(form.Bracket2().IsEmpty());
}

TEST_P(Form6Test, Row1FallsBackOnAnEarlierBracket) {
  Fill(1, {"2", "+", "3"});
  form.Command1_Click();
  Fill(1, {"abc", "+", "1", "+", "1"});
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "6");
  EXPECT_EQ(Number(form.Bracket1()), 5);
  // A bracket that selects nothing keeps it too.
  Fill(1, {"100", " ", "1", "*", "2"});
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "10");
  // And a keyword press computes the outer step from it.
  Fill(1, {"hi", "+", "1", "_", "1"});
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "4");
}

TEST_P(Form6Test, Row1UsesTheBracketRow2LeftInTheSharedCell) {
  Fill(7, {"2", "*", "3"});
  form.Command2_Click();
  ASSERT_EQ(Number(form.Bracket1()), 6);
  Fill(1, {"", "", "", "+", "1"});
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "7");
}

TEST_P(Form6Test, OperatorFieldsTakeOneCharacter) {
  Fill(1, {"3", "++", "4", "xy", "2"});  // the fields keep "+" and "x"
  EXPECT_EQ(form.Text2().text(), "+");
  EXPECT_EQ(form.Text4().text(), "x");
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "14");
  // An emoji is one character: the field holds it whole, and it selects
  // nothing; the Cyrillic look-alike of x neither.
  const std::string emoji = "\xF0\x9F\x98\x80";
  Fill(1, {"3", "+", "4", emoji + "+", "2", "kept"});
  EXPECT_EQ(form.Text4().text(), emoji);
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "kept");
  Fill(1, {"3", "+", "4", "\xD1\x85", "2", "kept"});
  EXPECT_EQ(form.Text4().text(), "\xD1\x85");
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "kept");
}

TEST_P(Form6Test, Row1ClearEmptiesItsSixFieldsOnly) {
  Fill(1, {"2", "+", "3", "*", "4"});
  Fill(7, {"1", "+", "1", "+", "1", "+", "1", "row 2"});
  form.Command1_Click();
  EXPECT_TRUE(form.Invoke("Command3_Click"));
  for (int number = 1; number <= 6; ++number) EXPECT_EQ(Field(number).text(), "") << number;
  EXPECT_EQ(form.Text7().text(), "1");
  EXPECT_EQ(form.Text14().text(), "row 2");
  EXPECT_EQ(Number(form.Bracket1()), 5);
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "0");
  EXPECT_EQ(Number(form.Bracket1()), 5);
  Fill(1, {"", "", "", "+", "1"});
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "6");
}

TEST_P(Form6Test, CellsSurviveTheWindowBeingReopened) {
  Fill(1, {"2", "+", "3"});
  form.Command1_Click();
  Fill(7, {"1", "+", "2", "*", "3", "+", "4"});
  form.Command2_Click();
  ASSERT_EQ(form.Text14().text(), "21");
  form.Load();
  for (int number = 1; number <= 14; ++number) EXPECT_EQ(Field(number).text(), "") << number;
  EXPECT_EQ(Number(form.Bracket1()), 3);
  EXPECT_EQ(Number(form.Bracket2()), 7);
  EXPECT_EQ(Number(form.Total()), 21);
  form.Command2_Click();
  EXPECT_EQ(form.Text14().text(), "21");
  Fill(1, {"", "", "", "*", "2"});
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "6");
}

TEST_P(Form6Test, LongTextsInOperandFieldsNeitherCrashNorHang) {
  Fill(1, {std::string(1 << 20, '9'), "+", "1", "+", "1"});  // beyond the double range
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "1");
  Fill(1, {"0." + std::string(1 << 20, '0') + "1", "+", "2", "*", std::string(1 << 16, ' ') + "3"});
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "6");
  Fill(1, {std::string(1 << 20, 'h')});
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "6");  // no reply; the outer step computes from Bracket1 = 2
}

}  // namespace
}  // namespace tavro
