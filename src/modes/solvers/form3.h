#pragma once

#include "core/decimal_separator.h"
#include "core/value_cell.h"
#include "core/window_model.h"

namespace tavro {

// The Triangle window: S = A * hA / 2. The user fills two of side A (Text1),
// height hA (Text2) and area S (Text3), leaves the third empty and presses
// Find, which writes the missing value.
class Form3 : public WindowModel {
 public:
  explicit Form3(DecimalSeparator separator);

  TextField& Text1() { return text1_; }  // side A
  TextField& Text2() { return text2_; }  // height hA to side A
  TextField& Text3() { return text3_; }  // area S

  void Command3_Click();  // Find
  void Command5_Click();  // CE

 private:
  TextField& text1_;
  TextField& text2_;
  TextField& text3_;
  // The field texts as Find found them when it started.
  ValueCell side_copy_;
  ValueCell height_copy_;
  ValueCell area_copy_;
};

}  // namespace tavro
