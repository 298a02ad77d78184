#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

namespace tavro::replay {

// A scenario that cannot be run: malformed, or naming a window, field or
// operation that does not exist, or acting on a window that is not open.
class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Runs a scenario through the program's shell, as a user would, and returns
// it with its steps in the same order, each "open" and "click" step followed
// by one ["expect", window, field, text] step per field of the window shown
// afterwards. Expect steps in the input are dropped. Throws ScenarioError.
//
// A scenario is an object:
//   "locale":    "en" (full stop, the default) or "bg" (comma);
//   "clipboard": the text Paste reads; absent or null: the clipboard has none;
//   "steps":     an array of steps, run in order after the program has started
//                with Form1 open:
//     ["open", W]               switch to W as a menu entry does (the open
//                               mode window closes, W opens with empty fields
//                               and its cells as they were); Form5 opens Help
//                               beside the mode window;
//     ["set", W, field, text]   the user types: the text replaces the field's
//                               text, cut to the field's maximum length;
//     ["click", W, operation]   the operation runs through the shell, so menu
//                               entries, Help and Exit act too.
// Other members are kept as they are.
//
// The window whose fields follow a step is the window named in the step if it
// is still open; after a click that switched away from it, the window the
// switch opened (fields all empty, as after the same "open" step); after a
// click that ended the program, none. Once the program has ended, and for a
// window that is not open, "set" and "click" are errors, as is "open" after
// the end.
nlohmann::ordered_json RunScenario(const nlohmann::ordered_json& scenario);

// Reads a scenario's JSON text. Throws ScenarioError when it is not JSON, or
// is nested deeper than kDeepestNesting levels (a scenario needs three).
inline constexpr int kDeepestNesting = 64;
nlohmann::ordered_json ParseScenario(const std::string& text);

// The scenario as text: one member per line and one step per line.
std::string FormatScenario(const nlohmann::ordered_json& scenario);

}  // namespace tavro::replay
