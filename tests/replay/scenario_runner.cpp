#include "replay/scenario_runner.h"

#include <map>
#include <memory>
#include <string_view>

#include "support/fake_clipboard.h"
#include "support/null_window_system.h"
#include "support/window_table.h"
#include "ui/shell/shell.h"

namespace tavro::replay {
namespace {

using Json = nlohmann::ordered_json;

std::string Dump(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A step as quoted in a message, shortened when it is long.
std::string Quote(const Json& step) {
  constexpr std::size_t kLongest = 80;
  std::string text = Dump(step);
  if (text.size() > kLongest) text = text.substr(0, kLongest) + "...";
  return text;
}

DecimalSeparator SeparatorOf(const Json& scenario) {
  const auto locale = scenario.find("locale");
  if (locale == scenario.end()) return DecimalSeparator::FullStop();
  if (*locale == "en") return DecimalSeparator::FullStop();
  if (*locale == "bg") return DecimalSeparator::Comma();
  throw ScenarioError("\"locale\" must be \"en\" or \"bg\", not " + Quote(*locale));
}

std::string ClipboardOf(const Json& scenario) {
  const auto clipboard = scenario.find("clipboard");
  if (clipboard == scenario.end() || clipboard->is_null()) return {};
  if (!clipboard->is_string()) {
    throw ScenarioError("\"clipboard\" must be a text or null, not " + Quote(*clipboard));
  }
  return clipboard->get<std::string>();
}

class Runner {
 public:
  Runner(DecimalSeparator separator, std::string clipboard_text)
      : clipboard_(std::move(clipboard_text)), shell_(windows_, separator, clipboard_) {
    // Fresh objects to look names up in, apart from the program's own.
    for (std::string_view name : support::WindowNames()) {
      prototypes_.emplace(std::string(name), support::CreateWindow(name, separator, clipboard_));
    }
    shell_.Start();
  }

  void Run(const Json& steps, Json& out) {
    if (!steps.is_array()) throw ScenarioError("\"steps\" must be an array");
    std::size_t number = 0;
    for (const Json& step : steps) {
      ++number;
      try {
        RunStep(step, out);
      } catch (const ScenarioError& error) {
        throw ScenarioError("step " + std::to_string(number) + " " + Quote(step) + ": " +
                            error.what());
      }
    }
  }

 private:
  void RunStep(const Json& step, Json& out) {
    if (!step.is_array() || step.empty() || !step[0].is_string()) {
      throw ScenarioError("a step is an array that starts with its kind");
    }
    const std::string kind = step[0].get<std::string>();
    if (kind == "expect") return;  // recomputed below the steps that show fields
    if (kind == "open") {
      const std::string window = Text(step, 1, 2);
      KnownWindow(window);
      if (!shell_.Running()) throw ScenarioError("the program has ended");
      shell_.OpenWindow(window);
      out.push_back(step);
      Expect(window, out);
    } else if (kind == "set") {
      const std::string window = Text(step, 1, 4);
      const std::string field = Text(step, 2, 4);
      const std::string text = Text(step, 3, 4);
      KnownWindow(window);
      if (prototypes_.at(window)->FindField(field) == nullptr) {
        throw ScenarioError(window + " has no field " + field);
      }
      OpenWindow(window);
      shell_.Model(window)->FindField(field)->Type(text);
      out.push_back(step);
    } else if (kind == "click") {
      const std::string window = Text(step, 1, 3);
      const std::string operation = Text(step, 2, 3);
      KnownWindow(window);
      if (!prototypes_.at(window)->HasOperation(operation) &&
          !support::FindNavigation(window, operation)) {
        throw ScenarioError(window + " has no operation " + operation);
      }
      OpenWindow(window);
      shell_.Invoke(window, operation);
      out.push_back(step);
      Expect(window, out);
    } else {
      throw ScenarioError("unknown step kind \"" + kind + "\" (open, set, click or expect)");
    }
  }

  // The text at `index` of a step that must have `size` elements.
  static std::string Text(const Json& step, std::size_t index, std::size_t size) {
    if (step.size() != size) {
      throw ScenarioError("a step \"" + step[0].get<std::string>() + "\" has " +
                          std::to_string(size) + " elements");
    }
    if (!step[index].is_string()) {
      throw ScenarioError("element " + std::to_string(index + 1) + " must be a text");
    }
    return step[index].get<std::string>();
  }

  static void KnownWindow(const std::string& window) {
    if (!support::IsWindowName(window)) throw ScenarioError("unknown window " + window);
  }

  void OpenWindow(const std::string& window) const {
    if (!shell_.Running()) throw ScenarioError("the program has ended");
    if (shell_.StateOf(window) != shell::WindowState::Open) {
      throw ScenarioError(window + " is not open");
    }
  }

  // The fields of the window on screen after a step named `window`.
  void Expect(const std::string& window, Json& out) {
    if (!shell_.Running()) return;
    std::string shown = window;
    if (shell_.StateOf(window) != shell::WindowState::Open) {
      shown.clear();
      for (std::string_view name : support::WindowNames()) {
        if (name != support::NameOf(shell::kHelpWindow) &&
            shell_.StateOf(name) == shell::WindowState::Open) {
          shown = name;
        }
      }
      if (shown.empty()) return;
    }
    for (const TextField& field : shell_.Model(shown)->fields()) {
      out.push_back(Json::array({"expect", shown, field.name(), field.text()}));
    }
  }

  support::NullWindowSystem windows_;  // no windows are drawn
  support::FakeClipboard clipboard_;
  shell::Shell shell_;
  std::map<std::string, std::unique_ptr<WindowModel>> prototypes_;
};

}  // namespace

nlohmann::ordered_json ParseScenario(const std::string& text) {
  // Deep nesting is refused while reading: writing such a value out again
  // would recurse once per level.
  const Json::parser_callback_t refuse_deep_nesting = [](int depth, Json::parse_event_t, Json&) {
    if (depth > kDeepestNesting) {
      throw ScenarioError("malformed JSON: nested deeper than " + std::to_string(kDeepestNesting) +
                          " levels");
    }
    return true;
  };
  try {
    return Json::parse(text, refuse_deep_nesting);
  } catch (const Json::exception& error) {
    throw ScenarioError(std::string("malformed JSON: ") + error.what());
  }
}

nlohmann::ordered_json RunScenario(const nlohmann::ordered_json& scenario) {
  if (!scenario.is_object()) throw ScenarioError("a scenario is a JSON object");
  const auto steps = scenario.find("steps");
  if (steps == scenario.end()) throw ScenarioError("the scenario has no \"steps\"");

  Runner runner(SeparatorOf(scenario), ClipboardOf(scenario));
  Json out_steps = Json::array();
  runner.Run(*steps, out_steps);

  Json result = scenario;
  result["steps"] = std::move(out_steps);
  return result;
}

std::string FormatScenario(const nlohmann::ordered_json& scenario) {
  std::string text = "{\n";
  bool first_member = true;
  for (const auto& [key, value] : scenario.items()) {
    if (!first_member) text += ",\n";
    first_member = false;
    text += "  " + Dump(Json(key)) + ": ";
    if (key == "steps" && value.is_array() && !value.empty()) {
      text += "[\n";
      for (std::size_t i = 0; i < value.size(); ++i) {
        text += "    " + Dump(value[i]) + (i + 1 < value.size() ? ",\n" : "\n");
      }
      text += "  ]";
    } else {
      text += Dump(value);
    }
  }
  text += "\n}\n";
  return text;
}

}  // namespace tavro::replay
