#include "modes/solvers/form3.h"

#include <gtest/gtest.h>

#include <string>

#include "support/locale_fixture.h"

namespace tavro {
namespace {

// Side A, height hA and area S as typed (full stop for the separator), and
// the three texts after Find.
struct Case {
  const char* side;
  const char* height;
  const char* area;
  const char* side_after;
  const char* height_after;
  const char* area_after;
};

class Form3Test : public support::LocaleTest {
 protected:
  Form3 form{GetParam()};

  void Enter(const std::string& side, const std::string& height, const std::string& area) {
    form.Text1().Type(side);
    form.Text2().Type(height);
    form.Text3().Type(area);
  }

  // CE, the case's three texts, Find; then the three texts it must leave.
  void ExpectFind(const Case& c) {
    form.Command5_Click();
    Enter(Local(c.side), Local(c.height), Local(c.area));
    form.Command3_Click();
    const std::string typed = std::string(c.side) + " | " + c.height + " | " + c.area;
    EXPECT_EQ(form.Text1().text(), Local(c.side_after)) << typed;
    EXPECT_EQ(form.Text2().text(), Local(c.height_after)) << typed;
    EXPECT_EQ(form.Text3().text(), Local(c.area_after)) << typed;
  }
};

INSTANTIATE_TEST_SUITE_P(Locales, Form3Test, support::BothLocales(), support::LocaleNameOf);

TEST_P(Form3Test, WindowHasThreeFieldsAndTwoOperations) {
  EXPECT_EQ(form.name(), "Form3");
  ASSERT_EQ(form.fields().size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(form.fields()[i].name(), "Text" + std::to_string(i + 1));
    EXPECT_FALSE(form.fields()[i].max_length());
  }
  EXPECT_EQ(form.OperationNames(), (std::vector<std::string>{"Command3_Click", "Command5_Click"}));
}

TEST_P(Form3Test, FindWritesTheOneMissingValue) {
  const Case cases[] = {
      // area
      {"6", "4", "", "6", "4", "12"},
      {"5", "3", "", "5", "3", "7.5"},
      {"-2", "3", "", "-2", "3", "-3"},
      {" 6 ", "4", "", " 6 ", "4", "12"},
      {"1E-200", "1E-200", "", "1E-200", "1E-200", "0"},  // too small: zero, no failure
      // height, in double precision
      {"4", "", "10", "4", "5", "10"},
      {"3", "", "5", "3", "3.33333333333333", "5"},
      {"3", "", "-5", "3", "-3.33333333333333", "-5"},
      {"2", "", "1.25", "2", "1.25", "1.25"},
      {"2", "", "3.5", "2", "3.5", "3.5"},
      {"0.4", "", "3", "0.4", "15", "3"},
      {"1", "", "3E+9", "1", "6000000000", "3E+9"},
      {"0.5", "", "1", "0.5", "4", "1"},
      {"-1", "", "1073741824", "-1", "-2147483648", "1073741824"},
      // side
      {"", "4", "10", "5", "4", "10"},
      {"", "4", "5", "2.5", "4", "5"},
      {"", "3", "1", "0.666666666666667", "3", "1"},
      {"", "1E-300", "1E300", "", "1E-300", "1E300"},   // 2E+600: overflow
      {"", "1E300", "1E-300", "0", "1E300", "1E-300"},  // too small: zero
  };
  for (const Case& c : cases) ExpectFind(c);
}

// Each failing formula leaves its field as it was (empty); nothing else
// changes either, whatever else the fields hold.
TEST_P(Form3Test, FindWritesNothingWhenItsFormulaFails) {
  const Case cases[] = {
      {"0", "", "5", "0", "", "5"},      // height: division by zero
      {"0", "", "0", "0", "", "0"},      // height: 0 / 0
      {"-0", "", "7", "-0", "", "7"},    // height: division by negative zero
      {"", "0", "10", "", "0", "10"},    // side: division by zero
      {"", "0", "0", "", "0", "0"},      // side: 0 / 0
      {"3", "", "abc", "3", "", "abc"},  // the area is not a number
      {"", "4", "abc", "", "4", "abc"},
      {"1E200", "1E200", "", "1E200", "1E200", ""},  // area overflows
      {"", "0.5", "1E308", "", "0.5", "1E308"},      // doubled area overflows
      {"1", "", "1E308", "1", "", "1E308"},
      {"1E-300", "", "1E10", "1E-300", "", "1E10"},  // quotient overflows
      {"1E400", "2", "", "1E400", "2", ""},          // beyond the double range
      {" ", "", "5", " ", "", "5"},                  // a blank counts as filled
      {"", " ", "5", "", " ", "5"},
      {"6", "4", " ", "6", "4", " "},
      {"", "", "", "", "", ""},      // nothing to work with
      {"", "", "10", "", "", "10"},  // two empty: nothing written
      {"6", "", "", "6", "", ""},
      {"", "4", "", "", "4", ""},
      {"1", "1", "1", "1", "1", "1"},  // all filled, even if inconsistent
  };
  for (const Case& c : cases) ExpectFind(c);
}

// Texts that are not numbers of this locale: the other locale's separator,
// Cyrillic, an emoji, a megabyte of digits (beyond the double range).
TEST_P(Form3Test, TextsThatAreNotNumbersFailQuietly) {
  const std::string foreign_half = std::string("0") + Foreign() + "5";
  const std::string texts[] = {
      foreign_half,
      "\u0448\u0435\u0441\u0442",
      "\xF0\x9F\x94\xBA",
      std::string(1 << 20, '7'),
      "5 5",
      "1" + std::string(1, GetParam().symbol) + "2" + std::string(1, GetParam().symbol) + "3"};
  for (const std::string& text : texts) {
    form.Command5_Click();
    Enter("4", "", text);
    form.Command3_Click();
    EXPECT_EQ(form.Text2().text(), "");
    form.Command5_Click();
    Enter(text, "4", "");
    form.Command3_Click();
    EXPECT_EQ(form.Text3().text(), "");
    EXPECT_EQ(form.Text1().text(), text);
  }
}

// The emptiness tests read the fields; the formulas read the texts copied at
// the start. A field filled by an earlier step is no longer empty, so no
// later step overwrites it, and none reads the value just written.
TEST_P(Form3Test, FormulasReadTheTextsTakenAtTheStart) {
  Enter("", "4", "");
  form.Command3_Click();
  EXPECT_EQ(form.Text1().text(), "");
  EXPECT_EQ(form.Text3().text(), "");
  form.Text3().Type("10");
  form.Command3_Click();
  EXPECT_EQ(form.Text1().text(), "5");
  form.Text3().Type("100");
  form.Command3_Click();  // nothing is empty now: nothing changes
  EXPECT_EQ(form.Text1().text(), "5");
  EXPECT_EQ(form.Text2().text(), "4");
  EXPECT_EQ(form.Text3().text(), "100");
}

TEST_P(Form3Test, ResultsCarryTheLocaleSeparatorAndReadBack) {
  Enter("", "3", "1");
  form.Command3_Click();
  const std::string side = form.Text1().text();
  EXPECT_EQ(side, Local("0.666666666666667"));
  form.Text3().Type("");
  form.Command3_Click();
  EXPECT_EQ(form.Text3().text(), "1");
}

TEST_P(Form3Test, ClearEmptiesAllThreeFields) {
  Enter("6", "4", "");
  EXPECT_TRUE(form.Invoke("Command3_Click"));
  ASSERT_EQ(form.Text3().text(), "12");
  EXPECT_TRUE(form.Invoke("Command5_Click"));
  EXPECT_EQ(form.Text1().text(), "");
  EXPECT_EQ(form.Text2().text(), "");
  EXPECT_EQ(form.Text3().text(), "");
  form.Command5_Click();
  EXPECT_EQ(form.Text1().text(), "");
  // The next Find starts from the cleared fields: nothing to compute.
  form.Command3_Click();
  EXPECT_EQ(form.Text3().text(), "");
}

TEST_P(Form3Test, AReloadedWindowStartsEmptyAndCarriesNothingOver) {
  Enter("6", "4", "");
  form.Command3_Click();
  form.Load();
  EXPECT_EQ(form.Text3().text(), "");
  form.Text1().Type("8");
  form.Command3_Click();
  EXPECT_EQ(form.Text2().text(), "");
  EXPECT_EQ(form.Text3().text(), "");
}

}  // namespace
}  // namespace tavro
