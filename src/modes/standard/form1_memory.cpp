// The one-slot memory (MEM, MRC) and the buttons that send the last answer
// into an operand field. None of them computes, so none can fail.

#include "modes/standard/form1.h"

namespace tavro {

void Form1::Command10_Click() { memory_cell_.Store(text1_.text()); }
void Form1::Command12_Click() { memory_cell_.Store(text2_.text()); }
void Form1::Command14_Click() { memory_cell_.Store(text3_.text()); }

void Form1::Command11_Click() { Write(text1_, memory_cell_.AsText(separator())); }
void Form1::Command13_Click() { Write(text2_, memory_cell_.AsText(separator())); }

// The answer comes from AnswerCell, whatever Text3 shows.
void Form1::Command5_Click() {
  Write(text1_, answer_cell_.AsText(separator()));
  Write(text3_, "");
}

void Form1::Command7_Click() { Write(text2_, answer_cell_.AsText(separator())); }

}  // namespace tavro
