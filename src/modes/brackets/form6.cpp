#include "modes/brackets/form6.h"

namespace tavro {

Form6::Form6(DecimalSeparator separator)
    : WindowModel("Form6", separator),
      text1_(AddField("Text1")),
      text2_(AddField("Text2", kOperatorLength)),
      text3_(AddField("Text3")),
      text4_(AddField("Text4", kOperatorLength)),
      text5_(AddField("Text5")),
      text6_(AddField("Text6")),
      text7_(AddField("Text7")),
      text8_(AddField("Text8", kOperatorLength)),
      text9_(AddField("Text9")),
      text10_(AddField("Text10", kOperatorLength)),
      text11_(AddField("Text11")),
      text12_(AddField("Text12", kOperatorLength)),
      text13_(AddField("Text13")),
      text14_(AddField("Text14")) {
  AddOperation("Command1_Click", [this] { Command1_Click(); });
  AddOperation("Command2_Click", [this] { Command2_Click(); });
  AddOperation("Command3_Click", [this] { Command3_Click(); });
  AddOperation("Command4_Click", [this] { Command4_Click(); });
}

}  // namespace tavro
