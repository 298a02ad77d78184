#include <gtest/gtest.h>

#include "modes/standard/form1.h"

namespace tavro {
namespace {

class Form1Memory : public ::testing::Test {
 protected:
  Form1 form{DecimalSeparator::FullStop()};
};

TEST_F(Form1Memory, RecallBeforeAnyStoreEmptiesTheTarget) {
  form.Text1().Type("4");
  form.Text2().Type("5");
  form.Command11_Click();
  form.Command13_Click();
  EXPECT_EQ(form.Text1().text(), "");
  EXPECT_EQ(form.Text2().text(), "");
}

TEST_F(Form1Memory, StoresTextUnchangedAndTheLastStoreWins) {
  form.Text1().Type(" x ");
  form.Command10_Click();
  form.Command13_Click();
  EXPECT_EQ(form.Text2().text(), " x ");
  form.Text1().Type("7");
  form.Command10_Click();
  form.Text2().Type("8");
  form.Command12_Click();
  form.Command11_Click();
  EXPECT_EQ(form.Text1().text(), "8");
  form.Text3().Type("");
  form.Command14_Click();
  form.Command11_Click();
  EXPECT_EQ(form.Text1().text(), "");
  EXPECT_TRUE(form.MemoryCell().HoldsText());
}

TEST_F(Form1Memory, SendTopAndSendCenterUseTheAnswerCell) {
  form.Command5_Click();
  EXPECT_EQ(form.Text1().text(), "");
  form.Text1().Type("1");
  form.Text2().Type("3");
  form.Command4_Click();
  form.Text3().Type("edited");
  form.Command7_Click();
  EXPECT_EQ(form.Text2().text(), "0.333333333333333");
  EXPECT_EQ(form.Text3().text(), "edited");
  form.Command5_Click();
  EXPECT_EQ(form.Text1().text(), "0.333333333333333");
  EXPECT_EQ(form.Text3().text(), "");
}

TEST_F(Form1Memory, ARecalledTextIsCutToTwentyCharacters) {
  form.Text3().Type("abcdefghijklmnopqrstuvwxy");
  form.Command14_Click();
  form.Command11_Click();
  EXPECT_EQ(form.Text1().text(), "abcdefghijklmnopqrst");
  EXPECT_EQ(form.MemoryCell().AsText(form.separator()), "abcdefghijklmnopqrstuvwxy");
}

// A number too long for an operand field arrives rounded, not cut.
TEST_F(Form1Memory, ALongAnswerArrivesRoundedNotCut) {
  form.Text1().Type("-123456789012345678");
  form.Text2().Type("1");
  form.Command3_Click();
  EXPECT_EQ(form.Text3().text(), "-1.23456789012346E+17");
  form.Command5_Click();
  EXPECT_EQ(form.Text1().text(), "-1.2345678901235E+17");
  form.Command14_Click();
  form.Text3().Type("-1.23456789012346E+17");
  form.Command14_Click();
  form.Command13_Click();
  EXPECT_EQ(form.Text2().text(), "-1.2345678901235E+17");
}

}  // namespace
}  // namespace tavro
