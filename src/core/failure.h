#pragma once

#include <exception>

namespace tavro {

// The four ways a step of a handler can fail on what the user typed.
enum class FailureKind {
  TypeMismatch,     // a text that is not a number
  Overflow,         // a magnitude beyond the largest finite double
  DivisionByZero,   // a non-zero number divided by zero
  InvalidArgument,  // 0 / 0, or the square root of a negative number
};

// A failure kind in words, as messages show it ("division by zero").
const char* DescriptionOf(FailureKind kind);

// Thrown by a failing step; error skipping (handler_run.h) catches it and
// abandons the rest of the statement.
class Failure : public std::exception {
 public:
  explicit Failure(FailureKind kind) : kind_(kind) {}
  FailureKind kind() const { return kind_; }
  const char* what() const noexcept override { return DescriptionOf(kind_); }

 private:
  FailureKind kind_;
};

}  // namespace tavro
