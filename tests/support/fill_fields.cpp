#include "support/fill_fields.h"

namespace tavro::support {

void FillFields(WindowModel& window, std::string_view text, Retype retype) {
  for (const TextField& field : window.fields()) {
    TextField& target = *window.FindField(field.name());
    const std::string_view wanted = !field.max_length()        ? text
                                    : *field.max_length() == 1 ? "+"
                                                               : "2";
    if (retype == Retype::Always || target.text() != wanted) target.Type(wanted);
  }
}

}  // namespace tavro::support
