#include "modes/solvers/form5.h"

namespace tavro {

Form5::Form5(DecimalSeparator separator) : WindowModel("Form5", separator) {}

}  // namespace tavro
