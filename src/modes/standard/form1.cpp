#include "modes/standard/form1.h"

namespace tavro {

Form1::Form1(DecimalSeparator separator)
    : WindowModel("Form1", separator),
      text1_(AddField("Text1", kOperandLength)),
      text2_(AddField("Text2", kOperandLength)),
      text3_(AddField("Text3")) {
  AddOperation("Command1_Click", [this] { Command1_Click(); });
  AddOperation("Command2_Click", [this] { Command2_Click(); });
  AddOperation("Command3_Click", [this] { Command3_Click(); });
  AddOperation("Command4_Click", [this] { Command4_Click(); });
  AddOperation("Command8_Click", [this] { Command8_Click(); });
  AddOperation("Command6_Click", [this] { Command6_Click(); });
  AddOperation("Command10_Click", [this] { Command10_Click(); });
  AddOperation("Command12_Click", [this] { Command12_Click(); });
  AddOperation("Command14_Click", [this] { Command14_Click(); });
  AddOperation("Command11_Click", [this] { Command11_Click(); });
  AddOperation("Command13_Click", [this] { Command13_Click(); });
  AddOperation("Command5_Click", [this] { Command5_Click(); });
  AddOperation("Command7_Click", [this] { Command7_Click(); });
}

}  // namespace tavro
