#include <gtest/gtest.h>

#include <string>

#include "modes/standard/form1.h"
#include "support/locale_fixture.h"

namespace tavro {
namespace {

class Form1Arithmetic : public support::LocaleTest {
 protected:
  Form1 form{GetParam()};

  void Enter(const std::string& first, const std::string& second) {
    form.Text1().Type(Local(first));
    form.Text2().Type(Local(second));
  }
};

INSTANTIATE_TEST_SUITE_P(Locales, Form1Arithmetic, support::BothLocales(), support::LocaleNameOf);

TEST_P(Form1Arithmetic, FourOperationsOnTwoAndThree) {
  Enter("2", "3");
  form.Command1_Click();
  EXPECT_EQ(form.Text3().text(), "5");
  form.Command2_Click();
  EXPECT_EQ(form.Text3().text(), "-1");
  form.Command3_Click();
  EXPECT_EQ(form.Text3().text(), "6");
  form.Command4_Click();
  EXPECT_EQ(form.Text3().text(), Local("0.666666666666667"));
  EXPECT_EQ(form.AnswerCell().AsNumber(GetParam()), 2.0 / 3);
}

TEST_P(Form1Arithmetic, AFailedOperationShowsTheLastAnswerAgain) {
  Enter("2", "3");
  form.Command1_Click();
  form.Text1().Type("a");
  form.Text3().Type("typed by the user");
  form.Command1_Click();
  EXPECT_EQ(form.Text3().text(), "5");
  struct Failing {
    const char* first;
    const char* second;
    void (Form1::*operation)();
  };
  for (const Failing& failing : {Failing{"1E200", "1E200", &Form1::Command3_Click},
                                 {"1", "0", &Form1::Command4_Click},
                                 {"0", "0", &Form1::Command4_Click},
                                 {" ", "1", &Form1::Command1_Click},
                                 {"", "1", &Form1::Command2_Click},
                                 {"1", "1.5.5", &Form1::Command1_Click},
                                 {"-1.7E308", "1.7E308", &Form1::Command2_Click}}) {
    Enter(failing.first, failing.second);
    (form.*failing.operation)();
    EXPECT_EQ(form.Text3().text(), "5") << failing.first << " " << failing.second;
  }
}

TEST_P(Form1Arithmetic, NoAnswerYetEmptiesTheAnswerField) {
  form.Text3().Type("old");
  Enter("1", "0");
  form.Command4_Click();
  EXPECT_EQ(form.Text3().text(), "");
  EXPECT_TRUE(form.AnswerCell().IsEmpty());
}

TEST_P(Form1Arithmetic, SquareRootIgnoresTheSecondNumber) {
  Enter("9", "not a number");
  form.Command8_Click();
  EXPECT_EQ(form.Text3().text(), "3");
  EXPECT_EQ(form.RootCell().AsNumber(GetParam()), 3);
  EXPECT_EQ(form.AnswerCell().AsNumber(GetParam()), 3);
}

TEST_P(Form1Arithmetic, AFailedRootBringsBackTheLastRootNotTheLastAnswer) {
  Enter("9", "");
  form.Command8_Click();
  Enter("2", "2");
  form.Command1_Click();
  EXPECT_EQ(form.Text3().text(), "4");
  Enter("-1", "");
  form.Command8_Click();
  EXPECT_EQ(form.Text3().text(), "3");
  EXPECT_EQ(form.AnswerCell().AsNumber(GetParam()), 3);
}

TEST_P(Form1Arithmetic, AFailedRootBeforeAnyRootEmptiesTheAnswer) {
  Enter("2", "2");
  form.Command1_Click();
  Enter("", "");
  form.Command8_Click();
  EXPECT_EQ(form.Text3().text(), "");
  EXPECT_TRUE(form.AnswerCell().IsEmpty());
  form.Command5_Click();
  EXPECT_EQ(form.Text1().text(), "");
}

TEST_P(Form1Arithmetic, TheOtherLocalesSeparatorIsNotANumber) {
  form.Text1().Type(std::string("1") + Foreign() + "5");
  form.Text2().Type("1");
  form.Command1_Click();
  EXPECT_EQ(form.Text3().text(), "");
}

TEST_P(Form1Arithmetic, ClearEmptiesTheFieldsAndKeepsTheCells) {
  Enter("1", "3");
  form.Command4_Click();
  form.Command6_Click();
  EXPECT_EQ(form.Text1().text(), "");
  EXPECT_EQ(form.Text2().text(), "");
  EXPECT_EQ(form.Text3().text(), "");
  form.Command5_Click();
  EXPECT_EQ(form.Text1().text(), Local("0.333333333333333"));
}

TEST_P(Form1Arithmetic, AnswersAreWrittenWithFifteenDigits) {
  Enter("0.1", "0.2");
  form.Command1_Click();
  EXPECT_EQ(form.Text3().text(), Local("0.3"));
  Enter("1E-200", "1E-200");
  form.Command3_Click();
  EXPECT_EQ(form.Text3().text(), "0");
  Enter("0", "-5");
  form.Command3_Click();
  EXPECT_EQ(form.Text3().text(), "0");
}

}  // namespace
}  // namespace tavro
