#include "core/utf8.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

TEST(Utf8, CountsCodePointsNotBytes) {
  EXPECT_EQ(utf8::CountCharacters(""), 0u);
  EXPECT_EQ(utf8::CountCharacters("abc"), 3u);
  EXPECT_EQ(utf8::CountCharacters("ПЪРВО"), 5u);
  EXPECT_EQ(utf8::CountCharacters("😀x"), 2u);
  EXPECT_EQ(utf8::CountCharacters("\xF0\x9F"), 1u);  // a truncated sequence is one
}

TEST(Utf8, CutsBetweenCharacters) {
  EXPECT_EQ(utf8::FirstCharacters("😀😀", 1), "😀");
  EXPECT_EQ(utf8::FirstCharacters("Лице", 2), "Ли");
  EXPECT_EQ(utf8::FirstCharacters("ab", 5), "ab");
  EXPECT_EQ(utf8::FirstCharacters("ab", 0), "");
  // Stray continuation bytes belong to no character and are never counted.
  EXPECT_EQ(utf8::CountCharacters("\x80\x80z"), 1u);
  EXPECT_EQ(utf8::FirstCharacters("\x80\x80z", 1), "\x80\x80z");
}

struct Repair {
  const char* given;
  const char* repaired;
};

class Utf8Repair : public ::testing::TestWithParam<Repair> {};

TEST_P(Utf8Repair, ReplacesEachIllFormedPartWithOneReplacementCharacter) {
  EXPECT_EQ(utf8::Repaired(GetParam().given), GetParam().repaired);
  EXPECT_TRUE(utf8::IsValid(utf8::Repaired(GetParam().given)));
  EXPECT_EQ(utf8::IsValid(GetParam().given),
            std::string_view(GetParam().given) == GetParam().repaired);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8Repair,
    ::testing::Values(Repair{"", ""}, Repair{"Лице 😀 5", "Лице 😀 5"},
                      Repair{"caf\xE9", "caf\uFFFD"},                // Latin-1
                      Repair{"\xEF\xE5\xF2", "\uFFFD\uFFFD\uFFFD"},  // Windows-1251
                      Repair{"\xFF\xFE"
                             "5",
                             "\uFFFD\uFFFD"
                             "5"},                       // a UTF-16 mark
                      Repair{"12\xC3", "12\uFFFD"},      // cut off at the end
                      Repair{"\xF0\x9F\x98", "\uFFFD"},  // one maximal part
                      Repair{"\x80"
                             "5",
                             "\uFFFD"
                             "5"},                                             // stray continuation
                      Repair{"\xC0\xAF", "\uFFFD\uFFFD"},                      // overlong
                      Repair{"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},            // a surrogate
                      Repair{"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
                      Repair{"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"}));        // U+10FFFF itself

}  // namespace
}  // namespace tavro
