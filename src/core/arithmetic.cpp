#include "core/arithmetic.h"

#include <cmath>

#include "core/failure.h"

namespace tavro {

double FloatingPointCheck(double x) {
  if (std::isnan(x)) throw Failure(FailureKind::InvalidArgument);
  if (std::isinf(x)) throw Failure(FailureKind::Overflow);
  return x;
}

double Add(double left, double right) { return FloatingPointCheck(left + right); }

double Subtract(double left, double right) { return FloatingPointCheck(left - right); }

double Multiply(double left, double right) { return FloatingPointCheck(left * right); }

double Divide(double left, double right) {
  if (right == 0.0) {
    throw Failure(left == 0.0 || std::isnan(left) ? FailureKind::InvalidArgument
                                                  : FailureKind::DivisionByZero);
  }
  return FloatingPointCheck(left / right);
}

double SquareRoot(double x) {
  if (x < 0.0 || std::isnan(x)) throw Failure(FailureKind::InvalidArgument);
  return std::sqrt(x);
}

}  // namespace tavro
