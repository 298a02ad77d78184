#include "modes/standard/form1.h"

namespace tavro {

Form1::Form1(DecimalSeparator separator)
    : WindowModel("Form1", separator),
      text1_(AddField("Text1", kOperandLength)),
      text2_(AddField("Text2", kOperandLength)),
      text3_(AddField("Text3")) {
  // One row per line: each handler name beside the member it runs.
  // clang-format off
  static constexpr OperationRow<Form1> kOperations[] = {
      {"Command1_Click", &Form1::Command1_Click},
      {"Command2_Click", &Form1::Command2_Click},
      {"Command3_Click", &Form1::Command3_Click},
      {"Command4_Click", &Form1::Command4_Click},
      {"Command8_Click", &Form1::Command8_Click},
      {"Command6_Click", &Form1::Command6_Click},
      {"Command10_Click", &Form1::Command10_Click},
      {"Command12_Click", &Form1::Command12_Click},
      {"Command14_Click", &Form1::Command14_Click},
      {"Command11_Click", &Form1::Command11_Click},
      {"Command13_Click", &Form1::Command13_Click},
      {"Command5_Click", &Form1::Command5_Click},
      {"Command7_Click", &Form1::Command7_Click},
  };
  // clang-format on
  AddOperations(*this, kOperations);
}

}  // namespace tavro
