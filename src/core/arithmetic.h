#pragma once

namespace tavro {

// Double-precision arithmetic followed by the floating-point check: an
// operation fails (throws Failure) when it overflows the double range, divides
// a non-zero number by zero (DivisionByZero) or is invalid, such as 0 / 0 or
// the square root of a negative number (InvalidArgument). A result too small
// to represent becomes a subnormal or zero and does not fail. So no infinity
// and no not-a-number ever leaves these functions.

// Fails unless x is finite: an infinity is an overflow, a not-a-number an
// invalid operation.
double FloatingPointCheck(double x);

double Add(double left, double right);
double Subtract(double left, double right);
double Multiply(double left, double right);
double Divide(double left, double right);
double SquareRoot(double x);

}  // namespace tavro
