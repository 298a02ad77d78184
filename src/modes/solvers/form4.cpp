#include "modes/solvers/form4.h"

#include "core/arithmetic.h"
#include "core/handler_run.h"
#include "core/number_text.h"

namespace tavro {

Form4::Form4(DecimalSeparator separator)
    : WindowModel("Form4", separator),
      text1_(AddField("Text1")),
      text2_(AddField("Text2")),
      text3_(AddField("Text3")),
      text4_(AddField("Text4")) {
  static constexpr OperationRow<Form4> kOperations[] = {
      {"Command6_Click", &Form4::Command6_Click},
      {"Command5_Click", &Form4::Command5_Click},
  };
  AddOperations(*this, kOperations);
}

void Form4::CopyFields() {
  a_copy_.Store(text1_.text());
  b_copy_.Store(text2_.text());
  c_copy_.Store(text3_.text());
  v_copy_.Store(text4_.text());
}

// Each edge step takes the copies again, so it sees what the steps before it
// wrote. Its product and its division are separate statements: a product that
// fails leaves the product cell as it was, and the division goes on with the
// product of an earlier Find (or 0, which fails, when there has been none).
void Form4::Command6_Click() {
  const DecimalSeparator separator = this->separator();
  const auto number = [separator](const ValueCell& copy) { return copy.AsNumber(separator); };
  HandlerRun run;
  run([&] { CopyFields(); });
  run.ArmErrorSkipping();
  if (text4_.text().empty()) {
    run([&] {
      const double base = Multiply(number(a_copy_), number(b_copy_));
      Write(text4_, TextFromNumber(Multiply(base, number(c_copy_)), separator));
    });
  }
  if (text3_.text().empty()) {
    run([&] { CopyFields(); });
    run([&] { product_cell_.Store(Multiply(number(b_copy_), number(a_copy_))); });
    run([&] {
      Write(text3_, TextFromNumber(Divide(number(v_copy_), number(product_cell_)), separator));
    });
  }
  if (text2_.text().empty()) {
    run([&] { CopyFields(); });
    run([&] { product_cell_.Store(Multiply(number(a_copy_), number(c_copy_))); });
    run([&] {
      Write(text2_, TextFromNumber(Divide(number(v_copy_), number(product_cell_)), separator));
    });
  }
  if (text1_.text().empty()) {
    run([&] { CopyFields(); });
    run([&] { product_cell_.Store(Multiply(number(b_copy_), number(c_copy_))); });
    run([&] {
      Write(text1_, TextFromNumber(Divide(number(v_copy_), number(product_cell_)), separator));
    });
  }
}

void Form4::Command5_Click() {
  Write(text1_, "");
  Write(text2_, "");
  Write(text3_, "");
  Write(text4_, "");
}

}  // namespace tavro
