#include "modes/converter/form2.h"

#include "core/handler_run.h"
#include "core/number_text.h"
#include "modes/converter/conversions.h"

namespace tavro {

Form2::Form2(DecimalSeparator separator, Clipboard& clipboard)
    : WindowModel("Form2", separator),
      clipboard_(clipboard),
      text1_(AddField("Text1")),
      text2_(AddField("Text2")) {
  for (const Conversion& conversion : kConversions) {
    AddOperation(std::string(conversion.handler), [this, &conversion] { Convert(conversion); });
  }
  static constexpr OperationRow<Form2> kOperations[] = {
      {"Command15_Click", &Form2::Command15_Click},
      {"ce_Click", &Form2::ce_Click},
  };
  AddOperations(*this, kOperations);
}

// Only the exactly empty text counts as 0; blanks and anything else that is
// not a number fail the conversion, and Text2 keeps what it showed.
void Form2::Convert(const Conversion& conversion) {
  const DecimalSeparator separator = this->separator();
  HandlerRun run;
  run([&] { number_text_.Store(text1_.text()); });
  run.ArmErrorSkipping();
  run([&] {
    if (text1_.text().empty()) number_text_.Store("0");
  });
  run([&] {
    const double x = number_text_.AsNumber(separator);
    Write(text2_, TextFromNumber(conversion.formula(x), separator));
  });
}

// Whatever the clipboard holds replaces the whole of Text1; nothing is
// converted and Text2 is left alone.
void Form2::Command15_Click() { Write(text1_, clipboard_.PlainText()); }

void Form2::ce_Click() {
  Write(text1_, "");
  Write(text2_, "");
}

}  // namespace tavro
