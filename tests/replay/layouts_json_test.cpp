#include "replay/layouts_json.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "support/window_table.h"
#include "ui/layout/window_layout.h"

namespace tavro::replay {
namespace {

using Json = nlohmann::ordered_json;

// The printed JSON read back, as a script reads it.
Json ReadBack() { return Json::parse(LayoutsJson(support::AllLayouts()).dump(2)); }

const Json* ControlNamed(const Json& window, const std::string& name) {
  for (const Json& control : window["controls"])
    if (control["name"] == name) return &control;
  return nullptr;
}

void ExpectRect(const Json& rect, const layout::Rect& expected) {
  EXPECT_EQ(rect["x"], expected.left);
  EXPECT_EQ(rect["y"], expected.top);
  EXPECT_EQ(rect["width"], expected.width);
  EXPECT_EQ(rect["height"], expected.height);
}

TEST(LayoutsJsonTest, EveryWindowKeepsItsNameTitleAndClientSize) {
  const Json windows = ReadBack()["windows"];
  const auto& layouts = support::AllLayouts();
  ASSERT_EQ(windows.size(), layouts.size());
  for (std::size_t i = 0; i < layouts.size(); ++i) {
    SCOPED_TRACE(std::string(layouts[i]->name));
    EXPECT_EQ(windows[i]["name"], layouts[i]->name);
    EXPECT_EQ(windows[i]["title"], layouts[i]->title);
    EXPECT_EQ(windows[i]["client"]["width"], layouts[i]->client_width);
    EXPECT_EQ(windows[i]["client"]["height"], layouts[i]->client_height);
    EXPECT_EQ(windows[i]["controls"].size(),
              layouts[i]->buttons.size() + layouts[i]->fields.size() + layouts[i]->labels.size());
  }
}

TEST(LayoutsJsonTest, EveryButtonAndFieldKeepsItsKindCaptionAndRectangle) {
  const Json windows = ReadBack()["windows"];
  const auto& layouts = support::AllLayouts();
  ASSERT_EQ(windows.size(), layouts.size());
  for (std::size_t i = 0; i < layouts.size(); ++i) {
    for (const layout::Button& button : layouts[i]->buttons) {
      SCOPED_TRACE(std::string(layouts[i]->name) + "." + std::string(button.name));
      const Json* control = ControlNamed(windows[i], std::string(button.name));
      ASSERT_NE(control, nullptr);
      EXPECT_EQ((*control)["kind"], "button");
      EXPECT_EQ((*control)["caption"], button.caption);
      EXPECT_EQ((*control)["tooltip"], button.tooltip);
      ExpectRect((*control)["rect"], button.rect);
    }
    for (const layout::Field& field : layouts[i]->fields) {
      SCOPED_TRACE(std::string(layouts[i]->name) + "." + std::string(field.name));
      const Json* control = ControlNamed(windows[i], std::string(field.name));
      ASSERT_NE(control, nullptr);
      EXPECT_EQ((*control)["kind"], "field");
      EXPECT_EQ((*control)["tooltip"], field.tooltip);
      ExpectRect((*control)["rect"], field.rect);
    }
  }
}

// Labels share one name: each is told apart by its index.
TEST(LayoutsJsonTest, LabelsFollowInOrderWithTheirIndices) {
  const Json windows = ReadBack()["windows"];
  const auto& layouts = support::AllLayouts();
  ASSERT_EQ(windows.size(), layouts.size());
  for (std::size_t i = 0; i < layouts.size(); ++i) {
    const std::size_t first = layouts[i]->buttons.size() + layouts[i]->fields.size();
    for (std::size_t j = 0; j < layouts[i]->labels.size(); ++j) {
      const layout::Label& label = layouts[i]->labels[j];
      const Json& control = windows[i]["controls"].at(first + j);
      SCOPED_TRACE(std::string(layouts[i]->name) + " label " + std::to_string(label.index));
      EXPECT_EQ(control["kind"], "label");
      EXPECT_EQ(control["name"], label.name);
      EXPECT_EQ(control["index"], label.index);
      EXPECT_EQ(control["caption"], label.caption);
      ExpectRect(control["rect"], label.rect);
    }
  }
}

}  // namespace
}  // namespace tavro::replay
