// Row 1 of the Brackets window: (Text1 Text2 Text3) Text4 Text5 = Text6, and
// the keyword replies.

#include "core/handler_run.h"
#include "modes/brackets/form6.h"
#include "modes/brackets/keywords.h"
#include "modes/brackets/operators.h"

namespace tavro {

// The bracket's value is never written on its own: it goes into Bracket1, and
// only the outer step writes Text6. A bracket step that fails or selects
// nothing leaves Bracket1 as an earlier press of either row left it, and the
// outer step computes with that. A keyword reply stays only when the outer
// step does not write. After a press Text6 is never empty.
void Form6::Command1_Click() {
  const DecimalSeparator separator = this->separator();
  HandlerRun run;
  run([&] { operand1_.Store(text1_.text()); });
  run([&] { operand3_.Store(text3_.text()); });
  run([&] { operand5_.Store(text5_.text()); });
  run.ArmErrorSkipping();
  run([&] { ApplyOperator(text2_.text(), operand1_, operand3_, &bracket1_, separator); });
  run([&] {
    if (const auto reply = KeywordReply(text1_.text())) Write(text6_, *reply);
  });
  run([&] { ApplyOperator(text4_.text(), bracket1_, operand5_, &text6_, separator); });
  run([&] {
    if (text6_.text().empty()) Write(text6_, "0");
  });
}

// The cells are left alone: a bracket computed before the clearing still
// feeds a later outer step.
void Form6::Command3_Click() {
  Write(text1_, "");
  Write(text2_, "");
  Write(text3_, "");
  Write(text4_, "");
  Write(text5_, "");
  Write(text6_, "");
}

}  // namespace tavro
