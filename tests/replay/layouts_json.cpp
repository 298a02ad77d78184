#include "replay/layouts_json.h"

#include <string>
#include <string_view>
#include <utility>

namespace tavro::replay {
namespace {

using Json = nlohmann::ordered_json;

Json RectOf(const layout::Rect& rect) {
  return {{"x", rect.left}, {"y", rect.top}, {"width", rect.width}, {"height", rect.height}};
}

// A control's members, its rectangle last; `extra` is "tooltip" or "index".
Json Control(std::string_view name, const char* kind, std::string_view caption, const char* extra,
             Json extra_value, const layout::Rect& rect) {
  return {{"name", std::string(name)},
          {"kind", kind},
          {"caption", std::string(caption)},
          {extra, std::move(extra_value)},
          {"rect", RectOf(rect)}};
}

Json WindowJson(const layout::WindowLayout& window) {
  Json controls = Json::array();
  for (const layout::Button& button : window.buttons)
    controls.push_back(Control(button.name, "button", button.caption, "tooltip",
                               std::string(button.tooltip), button.rect));
  for (const layout::Field& field : window.fields)
    controls.push_back(
        Control(field.name, "field", "", "tooltip", std::string(field.tooltip), field.rect));
  for (const layout::Label& label : window.labels)
    controls.push_back(
        Control(label.name, "label", label.caption, "index", label.index, label.rect));
  return {{"name", std::string(window.name)},
          {"title", std::string(window.title)},
          {"client", {{"width", window.client_width}, {"height", window.client_height}}},
          {"controls", std::move(controls)}};
}

}  // namespace

Json LayoutsJson(const std::vector<const layout::WindowLayout*>& layouts) {
  Json windows = Json::array();
  for (const layout::WindowLayout* window : layouts) windows.push_back(WindowJson(*window));
  return {{"windows", std::move(windows)}};
}

}  // namespace tavro::replay
