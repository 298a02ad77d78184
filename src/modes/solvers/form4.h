#pragma once

#include "core/decimal_separator.h"
#include "core/value_cell.h"
#include "core/window_model.h"

namespace tavro {

// The Parallelepiped window: V = A * B * C. The user fills three of the edges
// A, B, C (Text1 to Text3) and the volume V (Text4), leaves the fourth empty
// and presses Find, which writes the missing value.
class Form4 : public WindowModel {
 public:
  explicit Form4(DecimalSeparator separator);

  TextField& Text1() { return text1_; }  // edge A
  TextField& Text2() { return text2_; }  // edge B
  TextField& Text3() { return text3_; }  // edge C
  TextField& Text4() { return text4_; }  // volume V

  // The last product of two edges that Find computed successfully; empty
  // (read as 0) until there is one. Nothing clears it.
  const ValueCell& ProductCell() const { return product_cell_; }

  void Command6_Click();  // Find
  void Command5_Click();  // CE

 private:
  void CopyFields();

  TextField& text1_;
  TextField& text2_;
  TextField& text3_;
  TextField& text4_;
  ValueCell a_copy_;
  ValueCell b_copy_;
  ValueCell c_copy_;
  ValueCell v_copy_;
  ValueCell product_cell_;
};

}  // namespace tavro
