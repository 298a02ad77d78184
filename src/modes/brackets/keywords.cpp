#include "modes/brackets/keywords.h"

#include <algorithm>

namespace tavro {

std::optional<std::string_view> KeywordReply(std::string_view text) {
  const auto found = std::find_if(kKeywordTable.begin(), kKeywordTable.end(),
                                  [&](const Keyword& keyword) { return keyword.text == text; });
  if (found == kKeywordTable.end()) return std::nullopt;
  return found->reply;
}

}  // namespace tavro
