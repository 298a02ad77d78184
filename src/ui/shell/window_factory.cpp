#include "ui/shell/window_factory.h"

#include <algorithm>

#include "modes/brackets/form6.h"
#include "modes/converter/form2.h"
#include "modes/solvers/form3.h"
#include "modes/solvers/form4.h"
#include "modes/solvers/form5.h"
#include "modes/standard/form1.h"

namespace tavro::shell {

bool IsWindowName(std::string_view window) {
  return std::find(kWindowNames.begin(), kWindowNames.end(), window) != kWindowNames.end();
}

std::unique_ptr<WindowModel> CreateWindow(std::string_view window, DecimalSeparator separator,
                                          Clipboard& clipboard) {
  if (window == "Form1") return std::make_unique<Form1>(separator);
  if (window == "Form2") return std::make_unique<Form2>(separator, clipboard);
  if (window == "Form3") return std::make_unique<Form3>(separator);
  if (window == "Form4") return std::make_unique<Form4>(separator);
  if (window == "Form5") return std::make_unique<Form5>(separator);
  if (window == "Form6") return std::make_unique<Form6>(separator);
  return nullptr;
}

}  // namespace tavro::shell
