#pragma once

#include <string_view>

#include "core/window_model.h"

namespace tavro::support {

// Whether a field that holds its text already is typed into again.
enum class Retype {
  Always,       // every field is typed afresh, as a benchmark measures it
  WhenChanged,  // a field holding its text is left: typing ten megabytes is costly
};

// Types the given text into every field of the window without a maximum
// length, and a short one into every other field: "+" into the one-character
// operator fields, "2" into the rest.
void FillFields(WindowModel& window, std::string_view text, Retype retype);

}  // namespace tavro::support
