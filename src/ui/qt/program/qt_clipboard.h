#pragma once

#include <string>

#include "core/clipboard.h"

namespace tavro::qt {

// The system clipboard through Qt, read as plain text only (PlainTextOf): a
// picture, an empty clipboard or text in a character set nobody knows gives
// the empty text.
class QtClipboard final : public Clipboard {
 public:
  std::string PlainText() override;
};

}  // namespace tavro::qt
