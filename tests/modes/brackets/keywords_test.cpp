#include "modes/brackets/keywords.h"

#include <gtest/gtest.h>

#include <string>

namespace tavro {
namespace {

TEST(KeywordReply, TheTwelveSpellingsInTableOrder) {
  const struct {
    const char* text;
    const char* reply;
  } expected[] = {
      {"velimort", "HI VELIMORT!!!"},
      {"hi", "HI MAN!!!"},
      {"HI", "HI MAN!!!"},
      {"Hi", "HI MAN!!!"},
      {"METALLICA", "YEEAH !!!"},
      {"metallica", "YEAH !!!"},
      {"KORN", "YEEAH !!!"},
      {"korn", "YEAH !!!"},
      {"NIRVANA", "YEEAH !!!"},
      {"nirvana", "YEAH !!!"},
      {"GUANO APES", "YEEAH !!!"},
      {"guano apes", "YEAH !!!"},
  };
  ASSERT_EQ(kKeywordTable.size(), std::size(expected));
  for (std::size_t i = 0; i < kKeywordTable.size(); ++i) {
    EXPECT_EQ(kKeywordTable[i].text, expected[i].text);
    EXPECT_EQ(KeywordReply(expected[i].text), expected[i].reply) << expected[i].text;
  }
}

TEST(KeywordReply, EveryOtherSpellingGetsNoReply) {
  const std::string others[] = {
      "",
      "hI",
      "Velimort",
      "VELIMORT",
      "Metallica",
      "MetallicA",
      "Korn",
      "Nirvana",
      "Guano Apes",
      "GUANO  APES",
      "guano  apes",
      "guanoapes",
      " hi",
      "hi ",
      "hi\n",
      "HI MAN!!!",
      "YEAH !!!",
      "metallica!",
      "\xD1\x85\xD0\xB8" /* Cyrillic hi */,
      "h\xD1\x96" /* Cyrillic i */,
      "\xF0\x9F\xA4\x98 METALLICA",
      std::string("hi\0", 3),
      std::string(1 << 20, 'h'),
  };
  for (const std::string& text : others) {
    EXPECT_FALSE(KeywordReply(text)) << "[" << text.substr(0, 40) << "]";
  }
}

}  // namespace
}  // namespace tavro
