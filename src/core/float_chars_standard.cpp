#include <charconv>

#include "core/float_chars.h"

namespace tavro::float_chars_standard {

std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value);
}

char* WriteShortest(char* first, char* last, double x) {
  return std::to_chars(first, last, x, std::chars_format::scientific).ptr;
}

char* WriteScientific(char* first, char* last, double x, int precision) {
  return std::to_chars(first, last, x, std::chars_format::scientific, precision).ptr;
}

}  // namespace tavro::float_chars_standard
