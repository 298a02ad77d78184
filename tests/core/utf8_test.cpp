#include <gtest/gtest.h>

#include "core/utf8.h"

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

}  // namespace
}  // namespace tavro
