// Tavro in the browser: the module the page's start script (start.js) loads.
// It starts the program in the page and takes what the script hands over of
// the user's clicks, typing and keys.
#include <emscripten/bind.h>

#include <memory>
#include <string>

#include "ui/web/page.h"

namespace {

std::unique_ptr<tavro::web::Page> page;

void Start(const std::string& language) {
  page = std::make_unique<tavro::web::Page>(language);
  page->Start();
}

bool Act(const std::string& action, const std::string& window, const std::string& control) {
  return page && page->Act(action, window, control);
}

void Paste(const std::string& window, const std::string& control, const std::string& text) {
  if (page) page->Paste(window, control, text);
}

void Type(const std::string& window, const std::string& field, const std::string& text) {
  if (page) page->Type(window, field, text);
}

bool Key(const std::string& window, const std::string& code, const std::string& key, bool ctrl,
         bool alt, bool shift) {
  return page && page->Key(window, code, key, ctrl, alt, shift);
}

void Resize() {
  if (page) page->Resize();
}

}  // namespace

EMSCRIPTEN_BINDINGS(tavro) {
  emscripten::function("start", &Start);
  emscripten::function("act", &Act);
  emscripten::function("paste", &Paste);
  emscripten::function("type", &Type);
  emscripten::function("key", &Key);
  emscripten::function("resize", &Resize);
}
