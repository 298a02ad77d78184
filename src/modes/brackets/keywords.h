#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tavro {

// A text typed into row 1's first field and the reply row 1 writes for it.
struct Keyword {
  std::string_view text;
  std::string_view reply;
};

// The only twelve spellings that earn a reply, searched in this order: the
// nickname, the greeting in three spellings, and four band names each in
// capitals ("YEEAH !!!") and in small letters ("YEAH !!!").
inline constexpr std::array<Keyword, 12> kKeywordTable{{
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
}};

// The reply for the whole text of the keyword field, compared exactly and
// case-sensitively with the table (no trimming); nothing for any other text.
std::optional<std::string_view> KeywordReply(std::string_view text);

}  // namespace tavro
