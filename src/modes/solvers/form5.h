#pragma once

#include "core/decimal_separator.h"
#include "core/window_model.h"

namespace tavro {

// The Help window: one paragraph of guidance for the two solver windows
// (kHelpText in help_text.h). It has no field and no operation.
class Form5 : public WindowModel {
 public:
  explicit Form5(DecimalSeparator separator);
};

}  // namespace tavro
