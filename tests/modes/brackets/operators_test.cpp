#include "modes/brackets/operators.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/failure.h"
#include "support/locale_fixture.h"

namespace tavro {
namespace {

TEST(OperatorTable, NineOneCharacterTextsSelectTheFourOperations) {
  ASSERT_EQ(kOperatorTable.size(), 9u);
  const struct {
    const char* text;
    Arithmetic arithmetic;
  } expected[] = {
      {"+", Arithmetic::Addition},       {"-", Arithmetic::Subtraction},
      {"_", Arithmetic::Subtraction},    {"*", Arithmetic::Multiplication},
      {"x", Arithmetic::Multiplication}, {".", Arithmetic::Multiplication},
      {"/", Arithmetic::Division},       {":", Arithmetic::Division},
      {"\\", Arithmetic::Division},
  };
  for (const auto& entry : expected) {
    EXPECT_EQ(ArithmeticOf(entry.text), entry.arithmetic) << entry.text;
  }
  for (const OperatorSymbol& symbol : kOperatorTable) {
    ASSERT_EQ(symbol.text.size(), 1u);
    EXPECT_LT(static_cast<unsigned char>(symbol.text[0]), 0x80);
  }
}

TEST(OperatorTable, EveryOtherTextSelectsNothing) {
  const std::string others[] = {
      "",
      " ",
      "X",
      "\xC3\x97" /* multiplication sign */,
      "\xC3\xB7" /* division sign */,
      "\xD1\x85" /* Cyrillic small ha */,
      "\xD0\xA5" /* Cyrillic capital ha */,
      "\xE2\x88\x92" /* minus sign */,
      "\xF0\x9F\x98\x80" /* emoji */,
      "+ ",
      " +",
      "++",
      "\t",
      "%",
      "^",
      ",",
      "=",
      "0",
      std::string(1, '\0'),
      "x ",
      std::string(1 << 16, '+'),
  };
  for (const std::string& text : others) {
    EXPECT_FALSE(ArithmeticOf(text)) << "[" << text << "]";
  }
}

TEST(Calculate, LeftOperandComesFirst) {
  EXPECT_EQ(Calculate(Arithmetic::Addition, 2, 3), 5);
  EXPECT_EQ(Calculate(Arithmetic::Subtraction, 5, 8), -3);
  EXPECT_EQ(Calculate(Arithmetic::Multiplication, 2.5, 4), 10);
  EXPECT_EQ(Calculate(Arithmetic::Division, 7, 2), 3.5);
  EXPECT_EQ(Calculate(Arithmetic::Division, 1, 4), 0.25);
  EXPECT_EQ(Calculate(Arithmetic::Multiplication, 1E-200, 1E-200), 0);
}

TEST(Calculate, TheFloatingPointCheckFailsTheStep) {
  const struct {
    Arithmetic arithmetic;
    double left;
    double right;
    FailureKind kind;
  } failing[] = {
      {Arithmetic::Division, 5, 0, FailureKind::DivisionByZero},
      {Arithmetic::Division, 0, 0, FailureKind::InvalidArgument},
      {Arithmetic::Multiplication, 1E200, 1E200, FailureKind::Overflow},
      {Arithmetic::Addition, 1.7976931348623157E308, 1E300, FailureKind::Overflow},
      {Arithmetic::Subtraction, -1.7976931348623157E308, 1E300, FailureKind::Overflow},
      {Arithmetic::Division, 1E300, 1E-300, FailureKind::Overflow},
  };
  for (const auto& step : failing) {
    try {
      Calculate(step.arithmetic, step.left, step.right);
      ADD_FAILURE() << step.left << " " << step.right << " did not fail";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.kind(), step.kind) << step.left << " " << step.right;
    }
  }
}

class ApplyOperatorTest : public support::LocaleTest {
 protected:
  // A captured number text with the locale's separator.
  ValueCell Captured(std::string text) const {
    ValueCell cell;
    cell.Store(Local(std::move(text)));
    return cell;
  }
  // A captured text exactly as typed, whatever the locale.
  static ValueCell Raw(const std::string& text) {
    ValueCell cell;
    cell.Store(text);
    return cell;
  }
  ValueCell Number(double value) const {
    ValueCell cell;
    cell.Store(value);
    return cell;
  }
};

INSTANTIATE_TEST_SUITE_P(Locales, ApplyOperatorTest, support::BothLocales(), support::LocaleNameOf);

TEST_P(ApplyOperatorTest, StoresANumberInACellAndATextInAField) {
  ValueCell target;
  ApplyOperator("\\", Captured("7"), Captured("2"), &target, GetParam());
  EXPECT_EQ(target.AsNumber(GetParam()), 3.5);
  TextField field("Text6", std::nullopt);
  ApplyOperator("_", Captured("5"), Captured("8.5"), &field, GetParam());
  EXPECT_EQ(field.text(), "-3" + std::string(1, GetParam().symbol) + "5");
}

TEST_P(ApplyOperatorTest, AnEmptyCellCountsAsZeroButAnEmptyFieldTextFails) {
  ValueCell target;
  ApplyOperator("+", ValueCell{}, Captured("4"), &target, GetParam());
  EXPECT_EQ(target.AsNumber(GetParam()), 4);
  EXPECT_THROW(ApplyOperator("+", Captured(""), Captured("4"), &target, GetParam()), Failure);
  EXPECT_THROW(ApplyOperator("+", Captured("4"), Captured(" "), &target, GetParam()), Failure);
  EXPECT_EQ(target.AsNumber(GetParam()), 4);
}

TEST_P(ApplyOperatorTest, AnUnrecognisedOperatorConvertsNothing) {
  ValueCell target = Number(9);
  TextField field("Text6", std::nullopt);
  field.Type("kept");
  for (const char* text : {"", " ", "X", "\xC3\x97", "\xF0\x9F\x98\x80"}) {
    EXPECT_NO_THROW(
        ApplyOperator(text, Captured("not a number"), Captured(""), &target, GetParam()));
    EXPECT_NO_THROW(ApplyOperator(text, Captured("1"), Captured("0"), &field, GetParam()));
  }
  EXPECT_EQ(target.AsNumber(GetParam()), 9);
  EXPECT_EQ(field.text(), "kept");
}

TEST_P(ApplyOperatorTest, AFailedStepStoresNothing) {
  const std::string foreign = std::string("1") + Foreign() + "5";
  ValueCell target = Number(9);
  TextField field("Text6", std::nullopt);
  field.Type("kept");
  EXPECT_THROW(ApplyOperator("/", Captured("5"), Captured("0"), &target, GetParam()), Failure);
  EXPECT_THROW(ApplyOperator(":", Captured("0"), Captured("0"), &field, GetParam()), Failure);
  EXPECT_THROW(ApplyOperator(".", Captured("1E200"), Number(1E200), &target, GetParam()), Failure);
  EXPECT_THROW(ApplyOperator("x", Number(1E200), Captured("1E200"), &field, GetParam()), Failure);
  EXPECT_THROW(ApplyOperator("+", Raw(foreign), Captured("1"), &target, GetParam()), Failure);
  EXPECT_THROW(ApplyOperator("+", Captured("\xD0\xB5\xD0\xB4\xD0\xBD\xD0\xBE"), Captured("1"),
                             &field, GetParam()),
               Failure);
  EXPECT_EQ(target.AsNumber(GetParam()), 9);
  EXPECT_EQ(field.text(), "kept");
}

}  // namespace
}  // namespace tavro
