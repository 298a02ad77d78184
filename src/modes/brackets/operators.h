#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <variant>

#include "core/decimal_separator.h"
#include "core/text_field.h"
#include "core/value_cell.h"

namespace tavro {

// The four kinds of arithmetic an operator character selects.
enum class Arithmetic { Addition, Subtraction, Multiplication, Division };

// One operator character the user can type and the arithmetic it selects.
struct OperatorSymbol {
  std::string_view text;
  Arithmetic arithmetic;
};

// The nine operator texts. The whole text of an operator field must be one
// of them, exactly: no blanks around it, no other letter case, no
// look-alike characters (X, the multiplication and division signs, Cyrillic
// letters). "\" divides like "/" and ":"; nothing is rounded.
inline constexpr std::array<OperatorSymbol, 9> kOperatorTable{{
    {"+", Arithmetic::Addition},
    {"-", Arithmetic::Subtraction},
    {"_", Arithmetic::Subtraction},
    {"*", Arithmetic::Multiplication},
    {"x", Arithmetic::Multiplication},
    {".", Arithmetic::Multiplication},
    {"/", Arithmetic::Division},
    {":", Arithmetic::Division},
    {"\\", Arithmetic::Division},
}};

// The arithmetic an operator field's whole text selects, if any.
std::optional<Arithmetic> ArithmeticOf(std::string_view operator_text);

// left (arithmetic) right in double precision, left first, followed by the
// floating-point check (throws Failure).
double Calculate(Arithmetic arithmetic, double left, double right);

// Where an operator step puts its result: a result cell takes the number, a
// result field its text.
using OperatorTarget = std::variant<ValueCell*, TextField*>;

// One operator step. When the operator text selects nothing, the step ends at
// once: nothing is converted and the target keeps its value. Otherwise the
// left operand is read as a number, then the right one (a captured field text
// through NumberFromText; a result cell, empty as 0), the arithmetic computed
// and the result stored. A step that fails (an operand that is not a number, a
// failed floating-point check) throws Failure before it stores anything, so
// run under error skipping it leaves the target as it was.
void ApplyOperator(std::string_view operator_text, const ValueCell& left, const ValueCell& right,
                   OperatorTarget target, DecimalSeparator separator);

}  // namespace tavro
