#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/utf8.h"
#include "modes/solvers/help_text.h"
#include "support/window_table.h"
#include "ui/layout/window_layout.h"

namespace tavro::layout {
namespace {

// Expected texts are written with \u escapes, so that each code point is
// stated independently of the UTF-8 in the layouts.
std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

const WindowLayout& Layout(std::string_view window) {
  const WindowLayout* layout = support::LayoutOf(window);
  if (layout == nullptr) throw std::out_of_range("no layout " + std::string(window));
  return *layout;
}

const Button& ButtonOf(std::string_view window, std::string_view name) {
  const auto& buttons = Layout(window).buttons;
  const auto it =
      std::find_if(buttons.begin(), buttons.end(), [&](const Button& b) { return b.name == name; });
  if (it == buttons.end()) throw std::out_of_range("no button " + std::string(name));
  return *it;
}

const Field& FieldOf(std::string_view window, std::string_view name) {
  const auto& fields = Layout(window).fields;
  const auto it =
      std::find_if(fields.begin(), fields.end(), [&](const Field& f) { return f.name == name; });
  if (it == fields.end()) throw std::out_of_range("no field " + std::string(name));
  return *it;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const std::size_t space = text.find(' ');
    if (space != 0) words.push_back(text.substr(0, space));
    if (space == std::string_view::npos) break;
    text.remove_prefix(space + 1);
  }
  return words;
}

TEST(LayoutTexts, ConverterTooltipsKeepTheirDoubledSpaces) {
  EXPECT_EQ(ButtonOf("Form2", "Command7").tooltip,
            U8(u8"\u041E\u0442  \u0413\u0410\u041B\u041E\u041D\u0418 \u0432 "
               u8"\u041B\u0418\u0422\u0420\u0418"));
  EXPECT_EQ(ButtonOf("Form2", "Command8").tooltip,
            U8(u8"\u043E\u0442  \u0424\u0423\u041D\u0422 \u0432 \u041A\u0413"));
}

TEST(LayoutTexts, FeetAndYardsTooltipsNameTheirConversion) {
  EXPECT_EQ(ButtonOf("Form2", "Command4").tooltip,
            U8(u8"\u041E\u0442 \u0424\u0423\u0422\u0410 \u0432 \u041C"));
  EXPECT_EQ(ButtonOf("Form2", "Command10").tooltip,
            U8(u8"\u043E\u0442 \u042F\u0420\u0414\u0410 \u0432 \u041C"));
}

// Each lower conversion reverses the one above it, and its tooltip says so: the
// same first word, with the "from" and "to" units swapped.
TEST(LayoutTexts, EachLowerConversionTooltipReversesTheUpperOne) {
  const std::pair<std::string_view, std::string_view> columns[] = {
      {"Command2", "Command1"},   {"Command3", "Command4"},  {"Command5", "Command7"},
      {"Command6", "Command8"},   {"Command9", "Command10"}, {"Command11", "Command12"},
      {"Command13", "Command14"},
  };
  for (const auto& [upper_name, lower_name] : columns) {
    const auto upper = Words(ButtonOf("Form2", upper_name).tooltip);
    const auto lower = Words(ButtonOf("Form2", lower_name).tooltip);
    ASSERT_EQ(upper.size(), 4u) << upper_name;
    ASSERT_EQ(lower.size(), 4u) << lower_name;
    EXPECT_EQ(lower[0], upper[0]) << lower_name;
    EXPECT_EQ(lower[1], upper[3]) << lower_name;
    EXPECT_EQ(lower[3], upper[1]) << lower_name;
  }
}

TEST(LayoutTexts, ParallelepipedTooltipsEndInCyrillicAAndVeThenLatinCAndV) {
  const std::string prefix = U8(u8"\u0412\u044A\u0432\u0435\u0434\u0435\u0442\u0435 ");
  EXPECT_EQ(FieldOf("Form4", "Text1").tooltip, prefix + U8(u8"\u0410"));
  EXPECT_EQ(FieldOf("Form4", "Text2").tooltip, prefix + U8(u8"\u0412"));
  EXPECT_EQ(FieldOf("Form4", "Text3").tooltip, prefix + "C");
  EXPECT_EQ(FieldOf("Form4", "Text4").tooltip, prefix + "V");
  std::string captions;
  for (const Label& label : Layout("Form4").labels) captions += label.caption;
  EXPECT_EQ(captions, "ABCV");  // Latin, in the order of the window
}

// A word that mixes Cyrillic and Latin letters is a look-alike letter typed
// in the wrong alphabet.
TEST(LayoutTexts, NoWordMixesCyrillicAndLatinLetters) {
  auto check = [](std::string_view window, std::string_view text) {
    for (std::string_view word : Words(text)) {
      const bool latin = std::any_of(word.begin(), word.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
      });
      const bool other = std::any_of(word.begin(), word.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
      EXPECT_FALSE(latin && other) << window << ": " << text;
    }
  };
  for (const WindowLayout* layout : support::AllLayouts()) {
    check(layout->name, layout->title);
    for (const Button& b : layout->buttons) {
      check(layout->name, b.caption);
      check(layout->name, b.tooltip);
    }
    for (const Field& f : layout->fields) check(layout->name, f.tooltip);
    for (const Label& l : layout->labels) check(layout->name, l.caption);
  }
}

TEST(LayoutTexts, BracketsWindowLabelsAndItsOddlySpelledEntry) {
  const WindowLayout& layout = Layout("Form6");
  std::vector<int> indices;
  std::string captions;
  for (const Label& label : layout.labels) {
    indices.push_back(label.index);
    captions += label.caption;
    ASSERT_TRUE(label.font.has_value());
    EXPECT_EQ(label.font->family, "MS Sans Serif");
    EXPECT_EQ(label.font->points, 9.75);
    EXPECT_TRUE(label.font->cyrillic_charset);
  }
  EXPECT_EQ(indices, (std::vector<int>{0, 90, 2, 3, 98, 5, 7, 6}));
  EXPECT_EQ(captions, "()=()()=");
  const auto& entries = layout.menu_bar.at(0).entries;
  const auto stadart = std::find_if(entries.begin(), entries.end(),
                                    [](const MenuEntry& e) { return e.name == "er"; });
  ASSERT_NE(stadart, entries.end());
  EXPECT_EQ(stadart->caption, "&Stadart");
  for (const Button& b : layout.buttons) EXPECT_TRUE(b.tooltip.empty()) << b.name;
  for (const Field& f : layout.fields) EXPECT_TRUE(f.tooltip.empty()) << f.name;
}

TEST(LayoutTexts, HelpLabelHoldsTheWholeHelpText) {
  const WindowLayout& layout = Layout("Form5");
  ASSERT_EQ(layout.labels.size(), 1u);
  const Label& label = layout.labels[0];
  EXPECT_EQ(label.caption, kHelpText);
  EXPECT_EQ(utf8::CountCharacters(label.caption), 118u);
  ASSERT_TRUE(label.font.has_value());
  EXPECT_EQ(label.font->family, "MS Sans Serif");
  EXPECT_EQ(label.font->points, 12);
  EXPECT_TRUE(label.font->cyrillic_charset);
}

TEST(LayoutTexts, LabelFontsElsewhere) {
  const Label& arrow = Layout("Form2").labels.at(0);
  EXPECT_EQ(arrow.caption, "=>");
  ASSERT_TRUE(arrow.font.has_value());
  EXPECT_EQ(arrow.font->family, "Arial");
  EXPECT_EQ(arrow.font->points, 18);
  for (std::string_view window : {"Form3", "Form4"}) {
    for (const Label& label : Layout(window).labels) {
      EXPECT_FALSE(label.font.has_value()) << window << " " << label.caption;
    }
  }
}

TEST(LayoutControls, OnlyTheOperatorButtonsShowPictures) {
  const std::map<std::string_view, Picture> pictures{
      {"Command1", Picture::Plus},
      {"Command2", Picture::Minus},
      {"Command3", Picture::Multiply},
      {"Command4", Picture::Divide},
  };
  for (const WindowLayout* layout : support::AllLayouts()) {
    for (const Button& b : layout->buttons) {
      const auto it = pictures.find(b.name);
      if (layout->name == "Form1" && it != pictures.end()) {
        EXPECT_EQ(b.picture, it->second) << b.name;
        EXPECT_TRUE(b.caption.empty()) << b.name;
        EXPECT_FALSE(b.tooltip.empty()) << b.name;
      } else {
        EXPECT_EQ(b.picture, Picture::None) << layout->name << " " << b.name;
        EXPECT_FALSE(b.caption.empty()) << layout->name << " " << b.name;
      }
    }
  }
}

TEST(LayoutControls, LengthLimitsAndThePencilPointer) {
  const std::map<std::pair<std::string_view, std::string_view>, int> limits{
      {{"Form1", "Text1"}, 20}, {{"Form1", "Text2"}, 20}, {{"Form6", "Text2"}, 1},
      {{"Form6", "Text4"}, 1},  {{"Form6", "Text8"}, 1},  {{"Form6", "Text10"}, 1},
      {{"Form6", "Text12"}, 1},
  };
  int pencils = 0;
  for (const WindowLayout* layout : support::AllLayouts()) {
    for (const Field& f : layout->fields) {
      const auto it = limits.find({layout->name, f.name});
      if (it == limits.end()) {
        EXPECT_FALSE(f.max_length.has_value()) << layout->name << " " << f.name;
      } else {
        EXPECT_EQ(f.max_length, it->second) << layout->name << " " << f.name;
      }
      if (f.pointer == Pointer::Pencil) {
        ++pencils;
        EXPECT_EQ(layout->name, "Form2");
        EXPECT_EQ(f.name, "Text1");
      }
    }
  }
  EXPECT_EQ(pencils, 1);
}

TEST(LayoutControls, FieldBackgroundsFollowTheirColourRoles) {
  const Colour tooltip = Colour::System(SystemColour::TooltipBackground);
  for (std::string_view window : {"Form1", "Form2"}) {
    for (const Field& f : Layout(window).fields) EXPECT_EQ(f.background, tooltip) << f.name;
  }
  for (const Field& f : Layout("Form6").fields) {
    EXPECT_EQ(f.background, Colour::Default()) << f.name;
  }
  // The solvers' answer fields use the 3-D highlight; the inputs match the
  // edges of the drawing that stand for them.
  const Colour highlight = Colour::System(SystemColour::Highlight3D);
  EXPECT_EQ(FieldOf("Form3", "Text3").background, highlight);
  EXPECT_EQ(FieldOf("Form4", "Text4").background, highlight);
  auto line = [](std::string_view window, std::string_view name) {
    for (const Line& l : Layout(window).lines) {
      if (l.name == name) return l.colour;
    }
    ADD_FAILURE() << window << " " << name;
    return Colour::Default();
  };
  EXPECT_EQ(line("Form3", "Line2"), FieldOf("Form3", "Text1").background);
  EXPECT_EQ(line("Form3", "Line4"), FieldOf("Form3", "Text2").background);
  EXPECT_EQ(line("Form4", "Line5"), FieldOf("Form4", "Text1").background);
  EXPECT_EQ(line("Form4", "Line11"), FieldOf("Form4", "Text2").background);
  EXPECT_EQ(line("Form4", "Line9"), FieldOf("Form4", "Text3").background);
}

}  // namespace
}  // namespace tavro::layout
