#pragma once

#include <string>

namespace tavro {

// The system clipboard, read as plain text: the converter's Paste button
// reads it, the shell hands it to the converter. The desktop program reads
// the real one; tests fill one by hand.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's text; the empty text when it holds none or cannot be read.
  virtual std::string PlainText() = 0;
};

}  // namespace tavro
