#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <variant>

#include "core/decimal_separator.h"
#include "core/text_field.h"
#include "core/value_cell.h"

namespace tavro {

enum class Operation { Addition, Subtraction, Multiplication, Division };

// One operator character the user can type and the operation it selects.
struct OperatorSymbol {
  std::string_view text;
  Operation operation;
};

// The nine texts that select an operation. The whole text of an operator field
// must be one of them, exactly: no blanks around it, no other letter case, no
// look-alike characters (X, the multiplication and division signs, Cyrillic
// letters). "\" divides like "/" and ":"; nothing is rounded.
inline constexpr std::array<OperatorSymbol, 9> kOperatorTable{{
    {"+", Operation::Addition},
    {"-", Operation::Subtraction},
    {"_", Operation::Subtraction},
    {"*", Operation::Multiplication},
    {"x", Operation::Multiplication},
    {".", Operation::Multiplication},
    {"/", Operation::Division},
    {":", Operation::Division},
    {"\\", Operation::Division},
}};

// The operation an operator field's whole text selects, if any.
std::optional<Operation> OperationOf(std::string_view operator_text);

// left (operation) right in double precision, left first, followed by the
// floating-point check (throws Failure).
double Calculate(Operation operation, double left, double right);

// Where an operator step puts its result: a result cell takes the number, a
// result field its text.
using OperatorTarget = std::variant<ValueCell*, TextField*>;

// One operator step. When the operator text selects nothing, the step ends at
// once: nothing is converted and the target keeps its value. Otherwise the
// left operand is read as a number, then the right one (a captured field text
// through NumberFromText; a result cell, empty as 0), the operation computed
// and the result stored. A step that fails (an operand that is not a number, a
// failed floating-point check) throws Failure before it stores anything, so
// run under error skipping it leaves the target as it was.
void ApplyOperator(std::string_view operator_text, const ValueCell& left, const ValueCell& right,
                   OperatorTarget target, DecimalSeparator separator);

}  // namespace tavro
