#pragma once

#include <cstdlib>
#include <string>

namespace tavro::qt {

// An environment variable as it is set; a missing one is empty, as is one set
// to nothing.
inline std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace tavro::qt
