#pragma once

#include "core/clipboard.h"
#include "core/decimal_separator.h"
#include "core/value_cell.h"
#include "core/window_model.h"

namespace tavro {

struct Conversion;

// The unit-converter window: fourteen fixed conversions of the number in Text1
// into Text2 (one operation per row of kConversions, named by the row's
// handler), a Paste button that fills Text1 from the clipboard and a CE
// button that empties both fields. It keeps no value from one click to the
// next.
class Form2 : public WindowModel {
 public:
  Form2(DecimalSeparator separator, Clipboard& clipboard);

  TextField& Text1() { return text1_; }  // the number to convert
  TextField& Text2() { return text2_; }  // the result

  void Command15_Click();  // Paste: the clipboard's text replaces Text1
  void ce_Click();         // CE: empties Text1, then Text2

 private:
  void Convert(const Conversion& conversion);

  Clipboard& clipboard_;
  TextField& text1_;
  TextField& text2_;
  ValueCell number_text_;
};

}  // namespace tavro
