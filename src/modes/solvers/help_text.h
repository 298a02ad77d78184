#pragma once

#include <string_view>

namespace tavro {

// The paragraph the Help window shows: how to work the two solver windows.
// It has a doubled space before "FIND" and ends without a full stop.
inline constexpr std::string_view kHelpText =
    "Просто пишете във всички места освен в едно и натискате  \"FIND\". Важно е едното винаги да е "
    "празно. Това което търсите";

}  // namespace tavro
