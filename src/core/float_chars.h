#pragma once

#include <charconv>

// The conversions between doubles and texts that number_text.cpp is built
// on, in two routes with the same results: the standard library's floating
// std::from_chars and std::to_chars, and, for standard libraries that have
// none (__cpp_lib_to_chars undefined), fast_float to read and dragonbox to
// write the shortest text. The build compiles the route the standard library
// allows into the core (float_chars_route.h, made by the build, names it as
// tavro::float_chars); the tests run every route the compiler can build.
namespace tavro {

namespace float_chars_standard {

// As std::from_chars with chars_format::general: no blanks, no "+"; a value
// beyond the largest double, or a non-zero one that rounds to zero, gives
// result_out_of_range and leaves `value` as it was.
std::from_chars_result ReadDouble(const char* first, const char* last, double& value);
// As std::to_chars with chars_format::scientific: the shortest digits that
// read back as x ("1.25e-05", "5e+00", "-1e+15").
char* WriteShortest(char* first, char* last, double x);
// As std::to_chars with chars_format::scientific and `precision` digits after
// the first, rounded to nearest, ties to even ("3.33333333333333e-01").
char* WriteScientific(char* first, char* last, double x, int precision);

}  // namespace float_chars_standard

namespace float_chars_portable {

std::from_chars_result ReadDouble(const char* first, const char* last, double& value);
char* WriteShortest(char* first, char* last, double x);
char* WriteScientific(char* first, char* last, double x, int precision);

}  // namespace float_chars_portable

}  // namespace tavro
