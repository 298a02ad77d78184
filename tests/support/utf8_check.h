#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tavro::support {

// UTF-8 checked apart from the core's own helpers, so that tests, fuzzers and
// benchmarks can check the core with it. Well-formed means: no overlong
// forms, no surrogates, nothing above U+10FFFF.

// The length in bytes of the well-formed sequence the text starts with; 0 when
// it starts with none (or is empty).
std::size_t WellFormedSequenceLength(std::string_view text);

// The number of characters of a well-formed text; nothing when it is not.
std::optional<std::size_t> Utf8Characters(std::string_view text);

}  // namespace tavro::support
