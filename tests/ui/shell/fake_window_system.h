#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/shell/shell.h"

namespace tavro::shell::testing {

// Records every call the shell makes of the window system, as "open Form1",
// "close Form1", "activate Form5" and "quit", and what each window was opened
// with: its layout, its accessible name and its field texts.
class FakeWindowSystem : public WindowSystem {
 public:
  void Open(const WindowToOpen& window) override {
    calls.push_back("open " + window.model.name());
    layout_names.push_back(std::string(window.layout.name));
    accessible_names.push_back(window.accessible_name);
    std::map<std::string, std::string> texts;
    for (const TextField& field : window.model.fields()) texts[field.name()] = field.text();
    texts_at_open.push_back(std::move(texts));
  }
  void Close(std::string_view window) override { calls.push_back("close " + std::string(window)); }
  void Activate(std::string_view window) override {
    calls.push_back("activate " + std::string(window));
  }
  void Quit() override { calls.push_back("quit"); }

  std::vector<std::string> calls;
  std::vector<std::string> layout_names;  // the layout passed with each open
  std::vector<std::string> accessible_names;
  std::vector<std::map<std::string, std::string>> texts_at_open;
};

}  // namespace tavro::shell::testing
