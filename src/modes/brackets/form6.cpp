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
  static constexpr OperationRow<Form6> kOperations[] = {
      {"Command1_Click", &Form6::Command1_Click},
      {"Command2_Click", &Form6::Command2_Click},
      {"Command3_Click", &Form6::Command3_Click},
      {"Command4_Click", &Form6::Command4_Click},
  };
  AddOperations(*this, kOperations);
}

}  // namespace tavro
