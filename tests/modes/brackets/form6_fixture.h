#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "modes/brackets/form6.h"
#include "support/locale_fixture.h"

namespace tavro {

// A Brackets window under one of the two locales. Operand fields take their
// numbers with the window's separator ("." written in a case stands for it);
// operator fields take their texts as they are.
class Form6Test : public support::LocaleTest {
 protected:
  Form6 form{GetParam()};

  TextField& Field(int number) { return *form.FindField("Text" + std::to_string(number)); }

  static bool IsOperatorField(int number) {
    return number == 2 || number == 4 || number == 8 || number == 10 || number == 12;
  }

  // Types the texts into consecutive fields, the first into Text<first>.
  void Fill(int first, const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const int number = first + static_cast<int>(i);
      Field(number).Type(IsOperatorField(number) ? texts[i] : Local(texts[i]));
    }
  }

  double Number(const ValueCell& cell) const { return cell.AsNumber(GetParam()); }
};

}  // namespace tavro
