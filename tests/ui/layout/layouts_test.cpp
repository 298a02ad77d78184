#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "support/window_table.h"
#include "ui/layout/window_layout.h"

namespace tavro::layout {
namespace {

const WindowLayout& Layout(std::string_view window) {
  const WindowLayout* layout = support::LayoutOf(window);
  if (layout == nullptr) throw std::out_of_range("no layout " + std::string(window));
  return *layout;
}

// Buttons and text fields, the controls that take the focus, in Tab order.
std::vector<std::string_view> FocusOrder(const WindowLayout& layout) {
  std::vector<std::pair<int, std::string_view>> order;
  for (const Button& button : layout.buttons) order.emplace_back(button.tab_index, button.name);
  for (const Field& field : layout.fields) order.emplace_back(field.tab_index, field.name);
  std::sort(order.begin(), order.end());
  std::vector<std::string_view> names;
  for (const auto& entry : order) names.push_back(entry.second);
  return names;
}

TEST(LayoutLookup, HandlerIsTheControlNameWithClick) {
  EXPECT_EQ(HandlerOf("Command1"), "Command1_Click");
  EXPECT_EQ(HandlerOf("f4"), "f4_Click");
  EXPECT_EQ(HandlerOf("help2"), "help2_Click");
}

struct Counts {
  std::string_view window;
  std::size_t buttons, fields, labels, lines;
};

TEST(LayoutControls, EachWindowHasItsNumberOfEachKind) {
  const Counts expected[] = {
      {"Form1", 14, 3, 0, 0}, {"Form2", 17, 2, 1, 0}, {"Form3", 3, 3, 3, 4},
      {"Form4", 3, 4, 4, 12}, {"Form5", 0, 0, 1, 0},  {"Form6", 5, 14, 8, 0},
  };
  for (const Counts& c : expected) {
    const WindowLayout& layout = Layout(c.window);
    EXPECT_EQ(layout.buttons.size(), c.buttons) << c.window;
    EXPECT_EQ(layout.fields.size(), c.fields) << c.window;
    EXPECT_EQ(layout.labels.size(), c.labels) << c.window;
    EXPECT_EQ(layout.lines.size(), c.lines) << c.window;
  }
}

TEST(LayoutControls, NamesAreUniqueAndLabelsDifferByIndex) {
  for (const WindowLayout* layout : support::AllLayouts()) {
    std::set<std::string_view> names;
    for (const Button& b : layout->buttons) EXPECT_TRUE(names.insert(b.name).second) << b.name;
    for (const Field& f : layout->fields) EXPECT_TRUE(names.insert(f.name).second) << f.name;
    for (const Line& l : layout->lines) EXPECT_TRUE(names.insert(l.name).second) << l.name;
    std::set<int> indices;
    for (const Label& label : layout->labels) {
      EXPECT_EQ(label.name, "Label1") << layout->name;
      EXPECT_TRUE(indices.insert(label.index).second) << layout->name << " " << label.index;
    }
  }
}

TEST(LayoutWindows, TitlesFramesAndPlaces) {
  EXPECT_EQ(Layout("Form4").title, "");
  for (const WindowLayout* layout : support::AllLayouts()) {
    const bool help = layout->name == "Form5";
    EXPECT_EQ(layout->minimise_button, !help) << layout->name;
    EXPECT_EQ(layout->menu_bar.empty(), help) << layout->name;
    const bool centred = layout->name != "Form5" && layout->name != "Form6";
    EXPECT_EQ(layout->start == StartPosition::CentreOfScreen, centred) << layout->name;
    const Colour expected = layout->name == "Form1" ? Colour::Rgb(0xC0C0C0) : Colour::Default();
    EXPECT_EQ(layout->background, expected) << layout->name;
  }
}

TEST(LayoutTabOrder, TabIndicesAreUniqueWithinAWindow) {
  for (const WindowLayout* layout : support::AllLayouts()) {
    std::multiset<int> tabs;
    for (const Button& b : layout->buttons) tabs.insert(b.tab_index);
    for (const Field& f : layout->fields) tabs.insert(f.tab_index);
    for (const Label& l : layout->labels) tabs.insert(l.tab_index);
    for (int tab : tabs) EXPECT_EQ(tabs.count(tab), 1u) << layout->name << " tab " << tab;
  }
}

TEST(LayoutTabOrder, FocusRunsThroughEachWindowInItsOrder) {
  using Names = std::vector<std::string_view>;
  EXPECT_EQ(FocusOrder(Layout("Form1")),
            (Names{"Text1", "Text2", "Text3", "Command1", "Command2", "Command3", "Command4",
                   "Command8", "Command7", "Command5", "Command9", "Command6", "Command11",
                   "Command13", "Command10", "Command12", "Command14"}));
  EXPECT_EQ(FocusOrder(Layout("Form2")),
            (Names{"Text1", "Text2", "Command2", "Command1", "Command3", "Command4", "Command5",
                   "Command7", "Command6", "Command8", "Command9", "Command10", "Command11",
                   "Command12", "Command13", "Command14", "ce", "Command15", "exit"}));
  EXPECT_EQ(FocusOrder(Layout("Form3")),
            (Names{"Text1", "Text2", "Text3", "Command4", "Command3", "Command5"}));
  EXPECT_EQ(FocusOrder(Layout("Form4")),
            (Names{"Text1", "Text2", "Text3", "Text4", "Command6", "Command5", "Command4"}));
  EXPECT_TRUE(FocusOrder(Layout("Form5")).empty());
  EXPECT_EQ(FocusOrder(Layout("Form6")),
            (Names{"Command5", "Command4", "Command3", "Command2", "Text14", "Text13", "Text12",
                   "Text11", "Text10", "Text9", "Text8", "Text7", "Text6", "Command1", "Text5",
                   "Text4", "Text3", "Text2", "Text1"}));
}

TEST(LayoutTabOrder, Form2ConversionsGoColumnByColumnUpperFirst) {
  const WindowLayout& layout = Layout("Form2");
  std::vector<const Button*> conversions(14, nullptr);
  for (const Button& b : layout.buttons) {
    if (b.tab_index >= 2 && b.tab_index <= 15) conversions[b.tab_index - 2] = &b;
  }
  for (int column = 0; column < 7; ++column) {
    const Button* upper = conversions[2 * column];
    const Button* lower = conversions[2 * column + 1];
    ASSERT_NE(upper, nullptr);
    ASSERT_NE(lower, nullptr);
    EXPECT_EQ(upper->rect.left, 64 * column) << upper->name;
    EXPECT_EQ(lower->rect.left, 64 * column) << lower->name;
    EXPECT_LT(upper->rect.top, lower->rect.top) << upper->name;
    const Colour colour = Colour::Rgb(column % 2 == 0 ? 0xC0FFFF : 0xFFE0C0);
    EXPECT_EQ(upper->background, colour) << upper->name;
    EXPECT_EQ(lower->background, colour) << lower->name;
    EXPECT_EQ(upper->rect.width, 65);
    EXPECT_EQ(lower->rect.width, 65);
  }
}

bool Inside(const Rect& r, int width, int height) {
  return r.left >= 0 && r.top >= 0 && r.width > 0 && r.height > 0 && r.left + r.width <= width &&
         r.top + r.height <= height;
}

// The converter's result field and right-hand buttons end at x = 449 in a
// client area 448 wide, so the window cuts off their last pixel.
bool OverhangsByOnePixel(const WindowLayout& layout, const Rect& r) {
  return layout.name == "Form2" && r.left + r.width == layout.client_width + 1 &&
         Inside(Rect{r.left, r.top, r.width - 1, r.height}, layout.client_width,
                layout.client_height);
}

TEST(LayoutGeometry, EveryControlLiesInsideItsClientArea) {
  std::set<std::string_view> overhanging;
  for (const WindowLayout* layout : support::AllLayouts()) {
    const int w = layout->client_width;
    const int h = layout->client_height;
    auto check = [&](std::string_view name, const Rect& r) {
      if (OverhangsByOnePixel(*layout, r)) {
        overhanging.insert(name);
        return;
      }
      EXPECT_TRUE(Inside(r, w, h)) << layout->name << " " << name;
    };
    for (const Button& b : layout->buttons) check(b.name, b.rect);
    for (const Field& f : layout->fields) check(f.name, f.rect);
    for (const Label& l : layout->labels) check(l.name, l.rect);
    for (const Line& l : layout->lines) {
      for (auto [x, y] : {std::pair{l.x1, l.y1}, std::pair{l.x2, l.y2}}) {
        EXPECT_TRUE(x >= 0 && x < w && y >= 0 && y < h) << layout->name << " " << l.name;
      }
    }
  }
  EXPECT_EQ(overhanging, (std::set<std::string_view>{"Text2", "Command13", "Command14", "exit"}));
}

// The three edges of the box that meet at its hidden corner are dotted, and
// no other.
TEST(LayoutGeometry, Form4DotsExactlyTheEdgesAtTheHiddenCorner) {
  for (const Line& l : Layout("Form4").lines) {
    const bool hidden = (l.x1 == 240 && l.y1 == 72) || (l.x2 == 240 && l.y2 == 72);
    EXPECT_EQ(l.dotted, hidden) << l.name;
  }
  for (const Line& l : Layout("Form3").lines) EXPECT_FALSE(l.dotted) << l.name;
}

}  // namespace
}  // namespace tavro::layout
