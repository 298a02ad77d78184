#include "modes/brackets/operators.h"

#include <algorithm>

#include "core/arithmetic.h"
#include "core/failure.h"
#include "core/number_text.h"

namespace tavro {

std::optional<Operation> OperationOf(std::string_view operator_text) {
  const auto found =
      std::find_if(kOperatorTable.begin(), kOperatorTable.end(),
                   [&](const OperatorSymbol& symbol) { return symbol.text == operator_text; });
  if (found == kOperatorTable.end()) return std::nullopt;
  return found->operation;
}

double Calculate(Operation operation, double left, double right) {
  switch (operation) {
    case Operation::Addition:
      return Add(left, right);
    case Operation::Subtraction:
      return Subtract(left, right);
    case Operation::Multiplication:
      return Multiply(left, right);
    case Operation::Division:
      return Divide(left, right);
  }
  throw Failure(FailureKind::InvalidArgument);  // not reached: every operation is listed above
}

void ApplyOperator(std::string_view operator_text, const ValueCell& left, const ValueCell& right,
                   OperatorTarget target, DecimalSeparator separator) {
  const std::optional<Operation> operation = OperationOf(operator_text);
  if (!operation) return;
  const double left_number = left.AsNumber(separator);
  const double right_number = right.AsNumber(separator);
  const double result = Calculate(*operation, left_number, right_number);
  if (ValueCell* const* cell = std::get_if<ValueCell*>(&target)) {
    (*cell)->Store(result);
  } else {
    std::get<TextField*>(target)->Write(TextFromNumber(result, separator), separator);
  }
}

}  // namespace tavro
