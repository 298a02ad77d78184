// The floor for the page's start-up: a module from the same toolchain, with
// the same factory and entry points as the program's, that shows one field
// (with the id of the program's first field) and gives it the focus.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

namespace {

using emscripten::val;

void Start(const std::string&) {
  val document = val::global("document");
  val field = document.call<val>("createElement", std::string("input"));
  field.set("id", std::string("Form1-Text1"));
  document.call<val>("getElementById", std::string("desktop")).call<void>("append", field);
  field.call<void>("focus");
}

bool Act(const std::string&, const std::string&, const std::string&) { return false; }
void Paste(const std::string&, const std::string&, const std::string&) {}
void Type(const std::string&, const std::string&, const std::string&) {}
bool Key(const std::string&, const std::string&, const std::string&, bool, bool, bool) {
  return false;
}
void Resize() {}

}  // namespace

EMSCRIPTEN_BINDINGS(tavro) {
  emscripten::function("start", &Start);
  emscripten::function("act", &Act);
  emscripten::function("paste", &Paste);
  emscripten::function("type", &Type);
  emscripten::function("key", &Key);
  emscripten::function("resize", &Resize);
}
