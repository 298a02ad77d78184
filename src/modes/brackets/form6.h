#pragma once

#include <cstddef>

#include "core/decimal_separator.h"
#include "core/value_cell.h"
#include "core/window_model.h"

namespace tavro {

// The Brackets window. Row 1 evaluates (Text1 Text2 Text3) Text4 Text5 into
// Text6 and answers a few keywords typed into Text1; row 2 evaluates
// (Text7 Text8 Text9) Text10 (Text11 Text12 Text13) into Text14. Operators are
// typed as single characters. The intermediate values live in three cells
// that nothing clears.
class Form6 : public WindowModel {
 public:
  static constexpr std::size_t kOperatorLength = 1;

  explicit Form6(DecimalSeparator separator);

  TextField& Text1() { return text1_; }    // row 1: left operand in the bracket; the keyword field
  TextField& Text2() { return text2_; }    // row 1: operator in the bracket
  TextField& Text3() { return text3_; }    // row 1: right operand in the bracket
  TextField& Text4() { return text4_; }    // row 1: outer operator
  TextField& Text5() { return text5_; }    // row 1: right operand of the outer operator
  TextField& Text6() { return text6_; }    // row 1: result, or a keyword reply
  TextField& Text7() { return text7_; }    // row 2: left operand of the first bracket
  TextField& Text8() { return text8_; }    // row 2: operator of the first bracket
  TextField& Text9() { return text9_; }    // row 2: right operand of the first bracket
  TextField& Text10() { return text10_; }  // row 2: middle operator
  TextField& Text11() { return text11_; }  // row 2: left operand of the second bracket
  TextField& Text12() { return text12_; }  // row 2: operator of the second bracket
  TextField& Text13() { return text13_; }  // row 2: right operand of the second bracket
  TextField& Text14() { return text14_; }  // row 2: result

  // Row 1's bracket and row 2's first bracket: one cell for both rows.
  const ValueCell& Bracket1() const { return bracket1_; }
  // Row 2's second bracket.
  const ValueCell& Bracket2() const { return bracket2_; }
  // Row 2's whole expression, the only source of Text14.
  const ValueCell& Total() const { return total_; }

  void Command1_Click();  // row 1 ANSWER
  void Command2_Click();  // row 2 ANSWER
  void Command3_Click();  // row 1 CE: empties Text1 .. Text6
  void Command4_Click();  // row 2 CE: empties Text7 .. Text14

 private:
  TextField& text1_;
  TextField& text2_;
  TextField& text3_;
  TextField& text4_;
  TextField& text5_;
  TextField& text6_;
  TextField& text7_;
  TextField& text8_;
  TextField& text9_;
  TextField& text10_;
  TextField& text11_;
  TextField& text12_;
  TextField& text13_;
  TextField& text14_;

  ValueCell bracket1_;
  ValueCell bracket2_;
  ValueCell total_;

  // The operand texts each ANSWER takes when it starts.
  ValueCell operand1_;
  ValueCell operand3_;
  ValueCell operand5_;
  ValueCell operand7_;
  ValueCell operand9_;
  ValueCell operand11_;
  ValueCell operand13_;
};

}  // namespace tavro
