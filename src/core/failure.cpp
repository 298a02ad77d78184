#include "core/failure.h"

namespace tavro {

const char* DescriptionOf(FailureKind kind) {
  switch (kind) {
    case FailureKind::TypeMismatch:
      return "type mismatch";
    case FailureKind::Overflow:
      return "overflow";
    case FailureKind::DivisionByZero:
      return "division by zero";
    case FailureKind::InvalidArgument:
      return "invalid argument";
  }
  return "unknown failure";
}

}  // namespace tavro
