#include "modes/solvers/form5.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/utf8.h"
#include "modes/solvers/help_text.h"

namespace tavro {
namespace {

// The code points of a well-formed UTF-8 text.
std::vector<char32_t> CodePoints(std::string_view text) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
      point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    points.push_back(point);
    i += length;
  }
  return points;
}

// The paragraph, code point by code point.
constexpr char32_t kExpected[] = {
    0x041F, 0x0440, 0x043E, 0x0441, 0x0442, 0x043E, 0x0020, 0x043F, 0x0438, 0x0448, 0x0435, 0x0442,
    0x0435, 0x0020, 0x0432, 0x044A, 0x0432, 0x0020, 0x0432, 0x0441, 0x0438, 0x0447, 0x043A, 0x0438,
    0x0020, 0x043C, 0x0435, 0x0441, 0x0442, 0x0430, 0x0020, 0x043E, 0x0441, 0x0432, 0x0435, 0x043D,
    0x0020, 0x0432, 0x0020, 0x0435, 0x0434, 0x043D, 0x043E, 0x0020, 0x0438, 0x0020, 0x043D, 0x0430,
    0x0442, 0x0438, 0x0441, 0x043A, 0x0430, 0x0442, 0x0435, 0x0020, 0x0020, 0x0022, 0x0046, 0x0049,
    0x004E, 0x0044, 0x0022, 0x002E, 0x0020, 0x0412, 0x0430, 0x0436, 0x043D, 0x043E, 0x0020, 0x0435,
    0x0020, 0x0435, 0x0434, 0x043D, 0x043E, 0x0442, 0x043E, 0x0020, 0x0432, 0x0438, 0x043D, 0x0430,
    0x0433, 0x0438, 0x0020, 0x0434, 0x0430, 0x0020, 0x0435, 0x0020, 0x043F, 0x0440, 0x0430, 0x0437,
    0x043D, 0x043E, 0x002E, 0x0020, 0x0422, 0x043E, 0x0432, 0x0430, 0x0020, 0x043A, 0x043E, 0x0435,
    0x0442, 0x043E, 0x0020, 0x0442, 0x044A, 0x0440, 0x0441, 0x0438, 0x0442, 0x0435,
};

TEST(HelpText, HasExactlyTheParagraphsCodePoints) {
  EXPECT_EQ(utf8::CountCharacters(kHelpText), 118u);
  const std::vector<char32_t> points = CodePoints(kHelpText);
  ASSERT_EQ(points.size(), std::size(kExpected));
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(points[i], kExpected[i]) << "at " << i;
  }
}

TEST(HelpText, DoubledSpaceQuotedFindAndNoFinalFullStop) {
  EXPECT_NE(kHelpText.find("\u0435  \"FIND\". "), std::string_view::npos);
  EXPECT_EQ(kHelpText.find("  "), kHelpText.rfind("  "));  // the only doubled space
  EXPECT_EQ(std::count(kHelpText.begin(), kHelpText.end(), '"'), 2);
  EXPECT_EQ(kHelpText.find("Find"), std::string_view::npos);
  EXPECT_NE(kHelpText.back(), '.');
  EXPECT_TRUE(kHelpText.ends_with("\u0442\u044A\u0440\u0441\u0438\u0442\u0435"));
  EXPECT_EQ(kHelpText.find('\n'), std::string_view::npos);
}

TEST(Form5, IsAWindowWithoutFieldsOrOperations) {
  for (const DecimalSeparator separator :
       {DecimalSeparator::FullStop(), DecimalSeparator::Comma()}) {
    Form5 form(separator);
    EXPECT_EQ(form.name(), "Form5");
    EXPECT_TRUE(form.fields().empty());
    EXPECT_TRUE(form.OperationNames().empty());
    EXPECT_FALSE(form.Invoke("Command1_Click"));
    form.Load();
    EXPECT_TRUE(form.fields().empty());
  }
}

}  // namespace
}  // namespace tavro
