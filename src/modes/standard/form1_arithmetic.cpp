// The four operations, square root and CE of the Standard window.

#include "core/arithmetic.h"
#include "core/handler_run.h"
#include "modes/standard/form1.h"

namespace tavro {

void Form1::Command1_Click() { Calculate(Add); }
void Form1::Command2_Click() { Calculate(Subtract); }
void Form1::Command3_Click() { Calculate(Multiply); }
void Form1::Command4_Click() { Calculate(Divide); }

// A failed operation leaves AnswerCell as it was, so Text3 shows the last
// successful answer again (or nothing, while there is none).
void Form1::Calculate(BinaryFunction function) {
  const DecimalSeparator separator = this->separator();
  HandlerRun run;
  run([&] { first_operand_.Store(text1_.text()); });
  run([&] { second_operand_.Store(text2_.text()); });
  run.ArmErrorSkipping();
  run([&] {
    const double first = first_operand_.AsNumber(separator);
    const double second = second_operand_.AsNumber(separator);
    answer_cell_.Store(function(first, second));
  });
  run([&] { Write(text3_, answer_cell_.AsText(separator)); });
}

// A failed root leaves RootCell as it was, and the answer becomes the last
// successful root all the same (empty while there has been none).
void Form1::Command8_Click() {
  const DecimalSeparator separator = this->separator();
  HandlerRun run;
  run([&] { first_operand_.Store(text1_.text()); });
  run.ArmErrorSkipping();
  run([&] { root_cell_.Store(SquareRoot(first_operand_.AsNumber(separator))); });
  run([&] { answer_cell_.Store(root_cell_); });
  run([&] { Write(text3_, answer_cell_.AsText(separator)); });
}

void Form1::Command6_Click() {
  Write(text1_, "");
  Write(text2_, "");
  Write(text3_, "");
}

}  // namespace tavro
