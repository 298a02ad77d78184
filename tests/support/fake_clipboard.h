#pragma once

#include <string>
#include <utility>

#include "core/clipboard.h"

namespace tavro::support {

// A clipboard the test fills by hand. Its text is what Paste reads; the empty
// text stands for a clipboard that holds no text (a picture, or nothing), as
// the real one gives then. It counts how often it was read.
class FakeClipboard : public Clipboard {
 public:
  FakeClipboard() = default;
  explicit FakeClipboard(std::string held) : text(std::move(held)) {}

  std::string PlainText() override {
    ++reads;
    return text;
  }

  std::string text;
  int reads = 0;
};

}  // namespace tavro::support
