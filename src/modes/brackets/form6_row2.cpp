// Row 2 of the Brackets window:
// (Text7 Text8 Text9) Text10 (Text11 Text12 Text13) = Text14.

#include "core/handler_run.h"
#include "core/number_text.h"
#include "modes/brackets/form6.h"
#include "modes/brackets/operators.h"

namespace tavro {

// Both brackets are computed before the middle operator. A step that fails or
// selects nothing leaves its cell as it was (Bracket1 possibly from row 1), and
// Text14 is always rewritten from Total: the last successful total, or 0.
void Form6::Command2_Click() {
  const DecimalSeparator separator = this->separator();
  HandlerRun run;
  run([&] { operand7_.Store(text7_.text()); });
  run([&] { operand9_.Store(text9_.text()); });
  run([&] { operand11_.Store(text11_.text()); });
  run([&] { operand13_.Store(text13_.text()); });
  run.ArmErrorSkipping();
  run([&] { ApplyOperator(text8_.text(), operand7_, operand9_, &bracket1_, separator); });
  run([&] { ApplyOperator(text12_.text(), operand11_, operand13_, &bracket2_, separator); });
  run([&] { ApplyOperator(text10_.text(), bracket1_, bracket2_, &total_, separator); });
  run([&] { Write(text14_, TextFromNumber(total_.AsNumber(separator), separator)); });
}

void Form6::Command4_Click() {
  Write(text7_, "");
  Write(text8_, "");
  Write(text9_, "");
  Write(text10_, "");
  Write(text11_, "");
  Write(text12_, "");
  Write(text13_, "");
  Write(text14_, "");
}

}  // namespace tavro
