#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <string>

// The conversions of one route of core/float_chars.h, which every route
// must give alike. float_chars_test.cpp holds the cases; each route's file
// (float_chars_<route>_test.cpp) runs them on its functions.
namespace tavro {

struct FloatCharsRoute {
  const char* name;
  std::from_chars_result (*read)(const char* first, const char* last, double& value);
  char* (*shortest)(char* first, char* last, double x);
  char* (*scientific)(char* first, char* last, double x, int precision);
};

class FloatCharsTest : public ::testing::TestWithParam<FloatCharsRoute> {};

inline std::string RouteNameOf(const ::testing::TestParamInfo<FloatCharsRoute>& info) {
  return info.param.name;
}

}  // namespace tavro
