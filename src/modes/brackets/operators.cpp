#include "modes/brackets/operators.h"

#include <algorithm>

#include "core/arithmetic.h"
#include "core/failure.h"
#include "core/number_text.h"

namespace tavro {

std::optional<Arithmetic> ArithmeticOf(std::string_view operator_text) {
  const auto found =
      std::find_if(kOperatorTable.begin(), kOperatorTable.end(),
                   [&](const OperatorSymbol& symbol) { return symbol.text == operator_text; });
  if (found == kOperatorTable.end()) return std::nullopt;
  return found->arithmetic;
}

double Calculate(Arithmetic arithmetic, double left, double right) {
  switch (arithmetic) {
    case Arithmetic::Addition:
      return Add(left, right);
    case Arithmetic::Subtraction:
      return Subtract(left, right);
    case Arithmetic::Multiplication:
      return Multiply(left, right);
    case Arithmetic::Division:
      return Divide(left, right);
  }
  throw Failure(FailureKind::InvalidArgument);  // not reached: every kind is listed above
}

void ApplyOperator(std::string_view operator_text, const ValueCell& left, const ValueCell& right,
                   OperatorTarget target, DecimalSeparator separator) {
  const std::optional<Arithmetic> arithmetic = ArithmeticOf(operator_text);
  if (!arithmetic) return;
  const double left_number = left.AsNumber(separator);
  const double right_number = right.AsNumber(separator);
  const double result = Calculate(*arithmetic, left_number, right_number);
  if (ValueCell* const* cell = std::get_if<ValueCell*>(&target)) {
    (*cell)->Store(result);
  } else {
    std::get<TextField*>(target)->Write(TextFromNumber(result, separator), separator);
  }
}

}  // namespace tavro
