#include "modes/solvers/form4.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/utf8.h"
#include "support/locale_fixture.h"

namespace tavro {
namespace {

class Form4Test : public support::LocaleTest {
 protected:
  Form4 form{GetParam()};

  void Enter(const std::string& a, const std::string& b, const std::string& c,
             const std::string& v) {
    form.Text1().Type(Local(a));
    form.Text2().Type(Local(b));
    form.Text3().Type(Local(c));
    form.Text4().Type(Local(v));
  }
  std::vector<std::string> Fields() const {
    std::vector<std::string> texts;
    for (const TextField& field : form.fields()) texts.push_back(field.text());
    return texts;
  }
  std::vector<std::string> Expect(const std::string& a, const std::string& b, const std::string& c,
                                  const std::string& v) const {
    return {Local(a), Local(b), Local(c), Local(v)};
  }
  double Product() const { return form.ProductCell().AsNumber(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Locales, Form4Test, support::BothLocales(), support::LocaleNameOf);

TEST_P(Form4Test, WindowHasFourFieldsAndTwoOperations) {
  EXPECT_EQ(form.name(), "Form4");
  ASSERT_EQ(form.fields().size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(form.fields()[i].name(), "Text" + std::to_string(i + 1));
    EXPECT_FALSE(form.fields()[i].max_length());
  }
  EXPECT_EQ(form.OperationNames(), (std::vector<std::string>{"Command5_Click", "Command6_Click"}));
  EXPECT_TRUE(form.ProductCell().IsEmpty());
}

// Each case on a fresh window (product cell unset): the four texts A, B, C, V
// as typed, then after Find, and the product cell after Find (empty when the
// cell was never stored).
struct Case {
  const char* typed[4];
  const char* after[4];
  std::optional<double> product;
};

TEST_P(Form4Test, FindOnAFreshWindow) {
  const Case cases[] = {
      {{"2", "3", "4", ""}, {"2", "3", "4", "24"}, {}},
      {{"2", "3", "", "24"}, {"2", "3", "4", "24"}, 6.0},
      {{"2", "", "4", "24"}, {"2", "3", "4", "24"}, 8.0},
      {{"", "3", "4", "24"}, {"2", "3", "4", "24"}, 12.0},
      {{"3", "1", "", "10"}, {"3", "1", "3.33333333333333", "10"}, 3.0},
      {{"0.5", "0.25", "8", ""}, {"0.5", "0.25", "8", "1"}, {}},
      {{"0", "3", "", "24"}, {"0", "3", "", "24"}, 0.0},  // division by zero
      {{"0", "3", "", "0"}, {"0", "3", "", "0"}, 0.0},    // 0 / 0
      {{"", "", "", "12"}, {"", "", "", "12"}, {}},       // no product yet: nothing
      {{"", "", "", ""}, {"", "", "", ""}, {}},
      {{"1", "2", "3", "4"}, {"1", "2", "3", "4"}, {}},  // all filled, though 4 != 6
      {{"2", "3", "", ""}, {"2", "3", "", ""}, 6.0},     // the product is stored all the same
      {{" ", "3", "", "24"}, {" ", "3", "", "24"}, {}},  // a blank counts as filled
      {{"2", "3", "4", " "}, {"2", "3", "4", " "}, {}},
      {{"1E200", "1E200", "1", ""}, {"1E200", "1E200", "1", ""}, {}},  // volume overflows
      {{"1E200", "1E200", "", "1"}, {"1E200", "1E200", "", "1"}, {}},  // product overflows
      {{"1E-200", "1E-200", "", "1"},
       {"1E-200", "1E-200", "", "1"},
       0.0},  // product underflows to 0
      {{"1E-300", "1E-10", "", "1E10"},
       {"1E-300", "1E-10", "", "1E10"},
       1E-310},  // quotient overflows
      {{"1E400", "1", "", "1"}, {"1E400", "1", "", "1"}, {}},
  };
  for (const Case& c : cases) {
    Form4 window(GetParam());
    window.Text1().Type(Local(c.typed[0]));
    window.Text2().Type(Local(c.typed[1]));
    window.Text3().Type(Local(c.typed[2]));
    window.Text4().Type(Local(c.typed[3]));
    window.Command6_Click();
    const std::string label =
        std::string(c.typed[0]) + " | " + c.typed[1] + " | " + c.typed[2] + " | " + c.typed[3];
    for (int i = 0; i < 4; ++i) EXPECT_EQ(window.fields()[i].text(), Local(c.after[i])) << label;
    if (c.product) {
      ASSERT_TRUE(window.ProductCell().HoldsNumber()) << label;
      EXPECT_DOUBLE_EQ(window.ProductCell().AsNumber(GetParam()), *c.product) << label;
    } else {
      EXPECT_TRUE(window.ProductCell().IsEmpty()) << label;
    }
  }
}

// The product cell outlives the Find that stored it: with two or three edges
// empty, the first edge step divides by the earlier product, and the later
// steps read back what the earlier ones wrote.
TEST_P(Form4Test, LaterFindsDivideByTheEarlierProduct) {
  Enter("2", "3", "", "24");
  form.Command6_Click();
  ASSERT_EQ(Fields(), Expect("2", "3", "4", "24"));
  ASSERT_EQ(Product(), 6.0);

  form.Command5_Click();
  EXPECT_EQ(Fields(), Expect("", "", "", ""));
  EXPECT_EQ(Product(), 6.0);  // Clear leaves the product cell alone
  form.Text4().Type("12");
  form.Command6_Click();
  EXPECT_EQ(Fields(), Expect("3", "2", "2", "12"));  // C = 12 / 6, B = 12 / 6, A = 12 / (2 * 2)
  EXPECT_EQ(Product(), 4.0);
}

TEST_P(Form4Test, TheProductCellSurvivesTheWindowBeingReopened) {
  Enter("2", "3", "", "24");
  form.Command6_Click();
  form.Load();  // what closing the window and opening it again does to the object
  EXPECT_EQ(Fields(), Expect("", "", "", ""));
  EXPECT_EQ(Product(), 6.0);
  form.Text4().Type("12");
  form.Command6_Click();
  EXPECT_EQ(Fields(), Expect("3", "2", "2", "12"));
}

struct Sequel {
  const char* typed[4];
  const char* after[4];
  double product;
};

// Starting from a product cell of 6 (from 2, 3, V 24).
TEST_P(Form4Test, TwoOrThreeEmptyEdgesWithAnEarlierProduct) {
  const Sequel sequels[] = {
      {{"2", "", "", "24"}, {"2", "3", "4", "24"}, 8.0},     // C = 24 / 6, B = 24 / (2 * 4)
      {{"", "3", "", "24"}, {"2", "3", "4", "24"}, 12.0},    // C = 24 / 6, A = 24 / (3 * 4)
      {{"", "", "4", "24"}, {"1.5", "4", "4", "24"}, 16.0},  // B = 24 / 6, A = 24 / (4 * 4)
      {{"", "", "", "30"}, {"1.2", "5", "5", "30"}, 25.0},   // C = B = 30 / 6, A = 30 / 25
      {{"x", "3", "", "30"}, {"x", "3", "5", "30"}, 6.0},    // a bad edge falls back on 6
      {{"2", "3", "", "\u0434\u0432\u0430"}, {"2", "3", "", "\u0434\u0432\u0430"}, 6.0},
      {{"2", "", "", ""}, {"2", "", "", ""}, 6.0},    // no volume: every division fails
      {{"", "", "", "0"}, {"", "0", "0", "0"}, 0.0},  // C = B = 0 / 6; A = 0 / (0 * 0) fails
  };
  for (const Sequel& sequel : sequels) {
    Form4 window(GetParam());
    window.Text1().Type(Local("2"));
    window.Text2().Type(Local("3"));
    window.Text4().Type(Local("24"));
    window.Command6_Click();
    ASSERT_EQ(window.ProductCell().AsNumber(GetParam()), 6.0);
    window.Command5_Click();
    window.Text1().Type(Local(sequel.typed[0]));
    window.Text2().Type(Local(sequel.typed[1]));
    window.Text3().Type(Local(sequel.typed[2]));
    window.Text4().Type(Local(sequel.typed[3]));
    window.Command6_Click();
    const std::string label = std::string(sequel.typed[0]) + " | " + sequel.typed[1] + " | " +
                              sequel.typed[2] + " | " + sequel.typed[3];
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(window.fields()[i].text(), Local(sequel.after[i])) << label;
    EXPECT_EQ(window.ProductCell().AsNumber(GetParam()), sequel.product) << label;
  }
}

// Under either locale, a text with the other locale's separator is not a
// number: the product statement fails and the division falls back on the
// earlier product.
TEST_P(Form4Test, TheOtherLocalesSeparatorFallsBackOnTheEarlierProduct) {
  const std::string foreign = std::string("1") + Foreign() + "5";
  Enter("2", "3", "", "24");
  form.Command6_Click();
  form.Command5_Click();
  form.Text1().Type(foreign);
  form.Text2().Type("2");
  form.Text4().Type("3");
  form.Command6_Click();
  EXPECT_EQ(form.Text3().text(), Local("0.5"));  // 3 / 6
  EXPECT_EQ(Product(), 6.0);
}

TEST_P(Form4Test, ResultsAreWrittenInDoublePrecisionWithTheLocaleSeparator) {
  Enter("7", "", "3", "1");
  form.Command6_Click();
  EXPECT_EQ(form.Text2().text(), Local("0.0476190476190476"));
  form.Command5_Click();
  Enter("1E10", "1E10", "", "-1");
  form.Command6_Click();
  EXPECT_EQ(form.Text3().text(), Local("-1E-20"));
  form.Command5_Click();
  Enter("1.7976931348623157E308", "1", "1", "");
  form.Command6_Click();
  EXPECT_EQ(form.Text4().text(), Local("1.79769313486231E+308"));
}

TEST_P(Form4Test, InputsThatAreNotNumbersNeverCrash) {
  const std::string inputs[] = {std::string(1 << 20, '9'), "\xF0\x9F\x93\xA6",    "\u0410",
                                std::string(1 << 16, ' '), std::string("4\0", 2), "\x80\xFF"};
  for (const std::string& text : inputs) {
    form.Command5_Click();
    form.Text1().Type("2");
    form.Text2().Type(text);
    form.Text3().Type("4");
    form.Command6_Click();
    EXPECT_EQ(form.Text4().text(), "");
    EXPECT_EQ(form.Text2().text(), utf8::Repaired(text));  // bytes that are not UTF-8 repaired
  }
  EXPECT_TRUE(form.ProductCell().IsEmpty());
}

TEST_P(Form4Test, ClearEmptiesTheFourFieldsAndKeepsTheProduct) {
  Enter("2", "3", "", "24");
  EXPECT_TRUE(form.Invoke("Command6_Click"));
  EXPECT_TRUE(form.Invoke("Command5_Click"));
  EXPECT_EQ(Fields(), Expect("", "", "", ""));
  EXPECT_EQ(Product(), 6.0);
}

}  // namespace
}  // namespace tavro
