#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "core/failure.h"

namespace tavro {
namespace {

FailureKind FailureOf(const std::function<double()>& step) {
  try {
    step();
  } catch (const Failure& failure) {
    return failure.kind();
  }
  ADD_FAILURE() << "the step did not fail";
  return FailureKind::TypeMismatch;
}

TEST(FloatingPointCheck, FailsOnEveryNonFiniteResult) {
  EXPECT_EQ(FailureOf([] { return Divide(1, 0); }), FailureKind::DivisionByZero);
  EXPECT_EQ(FailureOf([] { return Divide(-1, -0.0); }), FailureKind::DivisionByZero);
  EXPECT_EQ(FailureOf([] { return Divide(0, 0); }), FailureKind::InvalidArgument);
  EXPECT_EQ(FailureOf([] { return Multiply(1E200, 1E200); }), FailureKind::Overflow);
  EXPECT_EQ(FailureOf([] { return Add(1.7E308, 1.7E308); }), FailureKind::Overflow);
  EXPECT_EQ(FailureOf([] { return Subtract(-1.7E308, 1.7E308); }), FailureKind::Overflow);
  EXPECT_EQ(FailureOf([] { return Divide(1E300, 1E-300); }), FailureKind::Overflow);
  EXPECT_EQ(FailureOf([] { return SquareRoot(-1); }), FailureKind::InvalidArgument);
  EXPECT_EQ(FailureOf([] { return FloatingPointCheck(std::nan("")); }),
            FailureKind::InvalidArgument);
}

TEST(FloatingPointCheck, UnderflowAndInexactResultsSucceed) {
  EXPECT_EQ(Multiply(1E-200, 1E-200), 0.0);
  EXPECT_EQ(Divide(std::numeric_limits<double>::denorm_min(), 2), 0.0);
  EXPECT_EQ(Divide(2, 3), 2.0 / 3);
  EXPECT_EQ(Add(0.1, 0.2), 0.1 + 0.2);
  EXPECT_EQ(SquareRoot(9), 3);
  EXPECT_EQ(SquareRoot(0), 0);
  EXPECT_TRUE(std::signbit(SquareRoot(-0.0)));
}

}  // namespace
}  // namespace tavro
