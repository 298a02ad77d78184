#include "modes/solvers/form3.h"

#include "core/arithmetic.h"
#include "core/handler_run.h"
#include "core/number_text.h"

namespace tavro {

Form3::Form3(DecimalSeparator separator)
    : WindowModel("Form3", separator),
      text1_(AddField("Text1")),
      text2_(AddField("Text2")),
      text3_(AddField("Text3")) {
  static constexpr OperationRow<Form3> kOperations[] = {
      {"Command3_Click", &Form3::Command3_Click},
      {"Command5_Click", &Form3::Command5_Click},
  };
  AddOperations(*this, kOperations);
}

// The formulas read the copies taken at the start, the emptiness tests read
// the fields, so a value written by an earlier step is never used by a later
// one: with two or more fields empty every formula reads an empty copy, fails,
// and nothing is written. All three values are computed in double precision.
void Form3::Command3_Click() {
  const DecimalSeparator separator = this->separator();
  HandlerRun run;
  run([&] { side_copy_.Store(text1_.text()); });
  run([&] { height_copy_.Store(text2_.text()); });
  run([&] { area_copy_.Store(text3_.text()); });
  run.ArmErrorSkipping();
  if (text3_.text().empty()) {
    run([&] {
      const double product =
          Multiply(side_copy_.AsNumber(separator), height_copy_.AsNumber(separator));
      Write(text3_, TextFromNumber(Divide(product, 2.0), separator));
    });
  }
  if (text2_.text().empty()) {
    run([&] {
      const double doubled_area = Multiply(area_copy_.AsNumber(separator), 2.0);
      Write(text2_,
            TextFromNumber(Divide(doubled_area, side_copy_.AsNumber(separator)), separator));
    });
  }
  if (text1_.text().empty()) {
    run([&] {
      const double doubled_area = Multiply(area_copy_.AsNumber(separator), 2.0);
      Write(text1_,
            TextFromNumber(Divide(doubled_area, height_copy_.AsNumber(separator)), separator));
    });
  }
}

void Form3::Command5_Click() {
  Write(text1_, "");
  Write(text2_, "");
  Write(text3_, "");
}

}  // namespace tavro
