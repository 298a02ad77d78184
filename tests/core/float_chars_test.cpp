#include "core/float_chars_test.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace tavro {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallestSubnormal = std::numeric_limits<double>::denorm_min();

struct ReadCase {
  std::string_view text;
  std::errc ec;
  std::size_t used;  // characters read
  double value;      // 7 where the value is left as it was
};

TEST_P(FloatCharsTest, ReadsAsTheStandardDoes) {
  const ReadCase cases[] = {
      {"2.5", {}, 3, 2.5},
      {"-0.5", {}, 4, -0.5},
      {"-0", {}, 2, -0.0},
      {".5", {}, 2, 0.5},
      {"5.", {}, 2, 5.0},
      {"1E3", {}, 3, 1000.0},
      {"1e-3", {}, 4, 0.001},
      {"1e", {}, 1, 1.0},
      {"1e+", {}, 1, 1.0},
      {"12 ", {}, 2, 12.0},
      {"0.1", {}, 3, 0.1},
      {"1.7976931348623157e308", {}, 22, kLargest},
      {"4.9e-324", {}, 8, kSmallestSubnormal},
      {"3e-324", {}, 6, kSmallestSubnormal},
      {"123456789012345678901234567890", {}, 30, 123456789012345678901234567890.0},
      {"1e400", std::errc::result_out_of_range, 5, 7},
      {"-1e400", std::errc::result_out_of_range, 6, 7},
      {"1.8e308", std::errc::result_out_of_range, 7, 7},
      {"1e-400", std::errc::result_out_of_range, 6, 7},
      {"2e-324", std::errc::result_out_of_range, 6, 7},
      {"0e999", {}, 5, 0.0},
      {"inf", {}, 3, std::numeric_limits<double>::infinity()},
      {"-Infinity", {}, 9, -std::numeric_limits<double>::infinity()},
      {"+1", std::errc::invalid_argument, 0, 7},
      {" 1", std::errc::invalid_argument, 0, 7},
      {"e5", std::errc::invalid_argument, 0, 7},
      {".", std::errc::invalid_argument, 0, 7},
      {"-", std::errc::invalid_argument, 0, 7},
      {"x", std::errc::invalid_argument, 0, 7},
  };
  for (const ReadCase& c : cases) {
    double value = 7;
    const auto [ptr, ec] = GetParam().read(c.text.data(), c.text.data() + c.text.size(), value);
    EXPECT_EQ(ec, c.ec) << c.text;
    if (ec == std::errc::invalid_argument) continue;  // where it stops is unspecified
    EXPECT_EQ(static_cast<std::size_t>(ptr - c.text.data()), c.used) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << c.text;
  }
  double nan = 7;
  const std::string_view text = "nan";
  GetParam().read(text.data(), text.data() + text.size(), nan);
  EXPECT_TRUE(std::isnan(nan));
}

struct WriteCase {
  double x;
  int precision;  // -1: the shortest text
  std::string_view text;
};

TEST_P(FloatCharsTest, WritesAsTheStandardDoes) {
  const WriteCase cases[] = {
      {0.0, -1, "0e+00"},
      {-0.0, -1, "-0e+00"},
      {5.0, -1, "5e+00"},
      {-2.5e-12, -1, "-2.5e-12"},
      {0.1 + 0.2, -1, "3.0000000000000004e-01"},
      {1e15, -1, "1e+15"},
      {123456.0, -1, "1.23456e+05"},
      {1e100, -1, "1e+100"},
      {kLargest, -1, "1.7976931348623157e+308"},
      {kSmallestSubnormal, -1, "5e-324"},
      {1.0 / 3.0, 14, "3.33333333333333e-01"},
      {2.0 / 3.0, 14, "6.66666666666667e-01"},
      {0.1 + 0.2, 14, "3.00000000000000e-01"},
      {-123456789012345678.0, 14, "-1.23456789012346e+17"},
      {0.1, 17, "1.00000000000000006e-01"},
      {0.125, 1, "1.2e-01"},  // a tie, to the even digit
      {0.375, 1, "3.8e-01"},
      {2.5, 0, "2e+00"},
      {-0.0, 3, "-0.000e+00"},
      {kLargest, 0, "2e+308"},
      {kLargest, 14, "1.79769313486232e+308"},
      {kSmallestSubnormal, 14, "4.94065645841247e-324"},
      {9.9999999999999995e-5, 14, "1.00000000000000e-04"},
  };
  for (const WriteCase& c : cases) {
    std::array<char, 64> buffer;
    char* const end =
        c.precision < 0
            ? GetParam().shortest(buffer.data(), buffer.data() + buffer.size(), c.x)
            : GetParam().scientific(buffer.data(), buffer.data() + buffer.size(), c.x, c.precision);
    EXPECT_EQ(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())),
              c.text)
        << c.x << " to " << c.precision;
  }
}

}  // namespace
}  // namespace tavro
