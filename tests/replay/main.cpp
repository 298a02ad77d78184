// tavro-replay: runs a scenario of user steps through the program's shell,
// without any window, and prints the scenario with the field texts each
// window shows after every open and click. See scenario_runner.h. With
// --layouts, prints every window's layout instead: titles, client sizes and
// where each control is (see layouts_json.h).
//
//   tavro-replay [scenario.json | -]     (no argument or "-": standard input)
//   tavro-replay --layouts
//
// Exit status: 0 done, 1 the scenario is malformed or cannot be run, 2 wrong
// arguments or an unreadable file.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "replay/layouts_json.h"
#include "replay/scenario_runner.h"
#include "support/window_table.h"

namespace {

bool ReadAll(std::istream& in, std::string& text) {
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: tavro-replay [scenario.json | - | --layouts]\n";
    return 2;
  }
  const std::string path = argc == 2 ? argv[1] : "-";
  if (path == "--layouts") {
    std::cout << tavro::replay::LayoutsJson(tavro::support::AllLayouts()).dump(2) << "\n";
    return std::cout.good() ? 0 : 1;
  }
  std::string text;
  if (path == "-") {
    if (!ReadAll(std::cin, text)) {
      std::cerr << "tavro-replay: cannot read standard input\n";
      return 2;
    }
  } else {
    std::error_code ignored;
    std::ifstream file(path, std::ios::binary);
    if (std::filesystem::is_directory(path, ignored) || !file || !ReadAll(file, text)) {
      std::cerr << "tavro-replay: cannot read " << path << "\n";
      return 2;
    }
  }

  try {
    const auto scenario = tavro::replay::ParseScenario(text);
    std::cout << tavro::replay::FormatScenario(tavro::replay::RunScenario(scenario));
  } catch (const tavro::replay::ScenarioError& error) {
    std::cerr << "tavro-replay: " << path << ": " << error.what() << "\n";
    return 1;
  }
  return std::cout.good() ? 0 : 1;
}
