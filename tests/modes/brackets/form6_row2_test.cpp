#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "form6_fixture.h"

namespace tavro {
namespace {

// Texts of Text7 to Text14 before a press of row 2's ANSWER on a fresh
// window, and Text14 and the three cells after it (NaN for an empty cell).
struct Row2Case {
  std::vector<std::string> typed;
  const char* result;
  double bracket1;
  double bracket2;
  double total;
};

constexpr double kEmpty = std::numeric_limits<double>::quiet_NaN();

TEST_P(Form6Test, Row2OnAFreshWindow) {
  const Row2Case cases[] = {
      {{"", "", "", "", "", "", "", ""}, "0", kEmpty, kEmpty, kEmpty},
      {{"1", "+", "2", "*", "3", "+", "4"}, "21", 3, 7, 21},
      {{"1", "*", "2", "+", "3", "*", "4"}, "14", 2, 12, 14},
      {{"8", "/", "2", "-", "1", "_", "3"}, "6", 4, -2, 6},
      {{"1", "+", "2", "/", "3", "-", "3"}, "0", 3, 0, kEmpty},  // middle division by zero
      {{"0", "x", "5", ":", "3", "-", "3"}, "0", 0, 0, kEmpty},  // 0 / 0
      {{"7", "\\", "2", ".", "1", "+", "1"}, "7", 3.5, 2, 7},
      {{"1", "/", "8", "+", "0", "+", "0"}, "0.125", 0.125, 0, 0.125},
      {{"", "", "", "+", "1", "+", "1"}, "2", kEmpty, 2, 2},  // an empty cell counts as 0
      {{"1E200", "*", "1E200", "+", "1", "+", "1"}, "2", kEmpty, 2, 2},
      {{"1E200", "+", "0", "*", "1E200", "+", "0"}, "0", 1E200, 1E200, kEmpty},
      {{"hi", "+", "1", "+", "1", "+", "1"}, "2", kEmpty, 2, 2},  // no reply in row 2
      {{"1", "+", "1", " ", "1", "+", "1", "typed"}, "0", 2, 2, kEmpty},
      {{"1", "+", "1", "+", "1", "+", "1", "typed"}, "4", 2, 2, 4},
      {{"-1.7976931348623157E308", "-", "0", "+", "0", "-", "0"},
       "-1.79769313486231E+308",
       -1.7976931348623157E308,
       0,
       -1.7976931348623157E308},
  };
  for (const Row2Case& c : cases) {
    Form6 fresh(GetParam());
    for (std::size_t i = 0; i < c.typed.size(); ++i) {
      const int number = static_cast<int>(i) + 7;
      fresh.FindField("Text" + std::to_string(number))
          ->Type(IsOperatorField(number) ? c.typed[i] : Local(c.typed[i]));
    }
    fresh.Command2_Click();
    std::string label;
    for (const std::string& text : c.typed) label += "[" + text + "]";
    EXPECT_EQ(fresh.Text14().text(), Local(c.result)) << label;
    const std::pair<const ValueCell*, double> cells[] = {{&fresh.Bracket1(), c.bracket1},
                                                         {&fresh.Bracket2(), c.bracket2},
                                                         {&fresh.Total(), c.total}};
    for (const auto& [cell, expected] : cells) {
      if (std::isnan(expected)) {
        EXPECT_TRUE(cell->IsEmpty()) << label;
      } else {
        EXPECT_EQ(Number(*cell), expected) << label;
      }
    }
    EXPECT_EQ(fresh.Text6().text(), "") << label;  // row 1 is not touched
  }
}

TEST_P(Form6Test, Row2ShowsTheLastTotalWhenTheMiddleStepFails) {
  Fill(7, {"1", "+", "2", "*", "3", "+", "4"});
  form.Command2_Click();
  ASSERT_EQ(form.Text14().text(), "21");
  // A bad second bracket keeps Bracket2 at 7: the total is 21 again.
  Fill(13, {"four"});
  form.Command2_Click();
  EXPECT_EQ(form.Text14().text(), "21");
  EXPECT_EQ(Number(form.Bracket2()), 7);
  // A failed middle step leaves Total, and Text14 shows it.
  Fill(7, {"1", "+", "2", "/", "3", "-", "3", "typed"});
  form.Command2_Click();
  EXPECT_EQ(form.Text14().text(), "21");
  EXPECT_EQ(Number(form.Bracket2()), 0);
}

TEST_P(Form6Test, Row2ClearKeepsTheCells) {
  Fill(1, {"1", "+", "1", "+", "1"});
  Fill(7, {"1", "+", "2", "*", "3", "+", "4"});
  form.Command1_Click();
  form.Command2_Click();
  EXPECT_TRUE(form.Invoke("Command4_Click"));
  for (int number = 7; number <= 14; ++number) EXPECT_EQ(Field(number).text(), "") << number;
  EXPECT_EQ(form.Text1().text(), "1");
  EXPECT_EQ(form.Text6().text(), "3");
  form.Command2_Click();
  EXPECT_EQ(form.Text14().text(), "21");
  EXPECT_EQ(Number(form.Bracket1()), 3);
}

TEST_P(Form6Test, Row2UsesTheBracketRow1LeftInTheSharedCell) {
  Fill(1, {"4", "+", "6"});
  form.Command1_Click();
  ASSERT_EQ(Number(form.Bracket1()), 10);
  Fill(7, {"", "", "", "+", "1", "+", "1"});
  form.Command2_Click();
  EXPECT_EQ(form.Text14().text(), "12");
  // And a successful first bracket of row 2 replaces it for row 1.
  Fill(7, {"2", "x", "4"});
  form.Command2_Click();
  Fill(1, {"", "", "", "-", "1"});
  form.Command1_Click();
  EXPECT_EQ(form.Text6().text(), "7");
}

TEST_P(Form6Test, Row2ResultsUseTheLocaleSeparator) {
  Fill(7, {"2.5", "*", "2.5", "+", "0.1", "+", "0.2"});
  form.Command2_Click();
  EXPECT_EQ(form.Text14().text(), Local("6.55"));
  Fill(7, {"2", "/", "3", "+", "0", "+", "0"});
  form.Command2_Click();
  EXPECT_EQ(form.Text14().text(), Local("0.666666666666667"));
}

}  // namespace
}  // namespace tavro
