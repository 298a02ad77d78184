#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/window_table.h"
#include "ui/layout/window_layout.h"

namespace tavro::layout {
namespace {

struct Entry {
  std::string_view name, caption, shortcut;
  friend bool operator==(const Entry&, const Entry&) = default;
};

std::ostream& operator<<(std::ostream& out, const Entry& e) {
  return out << e.name << " " << e.caption << " [" << e.shortcut << "]";
}

std::vector<Entry> DropDown(const MenuBarEntry& bar) {
  std::vector<Entry> entries;
  for (const MenuEntry& e : bar.entries) entries.push_back({e.name, e.caption, e.shortcut});
  return entries;
}

struct WindowMenu {
  std::string_view window, bar_name, bar_caption;
  std::vector<Entry> entries;
  std::string_view help_name;  // the second menu-bar entry, acting at once; empty: none
};

const std::vector<WindowMenu>& Menus() {
  static const std::vector<WindowMenu> menus{
      {"Form1",
       "main",
       "&Options",
       {{"f4", "&Brackets", "Ctrl+B"},
        {"f2", "&Triangle", "Ctrl+T"},
        {"f1", "&Functional", "Ctrl+F"},
        {"f3", "&Paralelepiped", "Ctrl+P"},
        {"ex", "&Exit", "Ctrl+E"}},
       ""},
      {"Form2",
       "main",
       "&Options",
       {{"f4", "&Brackets", "Ctrl+B"},
        {"f2", "&Triangle", "Ctrl+T"},
        {"at", "&Standart", "Ctrl+S"},
        {"f3", "&Paralelepiped", "Ctrl+P"},
        {"ex", "&Exit", "Ctrl+E"}},
       ""},
      {"Form3",
       "main",
       "&Options",
       {{"f4", "&Brackets", "Ctrl+B"},
        {"f2", "&Function", "Ctrl+F"},
        {"w", "&Standart", "Ctrl+S"},
        {"f3", "&Paralelepiped", "Ctrl+P"},
        {"ex", "&Exit", "Ctrl+E"}},
       "help2"},
      {"Form4",
       "eg",
       "&Option",
       {{"f4", "&Brackets", ""},
        {"f2", "&Standart", "Ctrl+S"},
        {"f1", "&Triangle", "Ctrl+T"},
        {"f3", "&Function", "Ctrl+F"},
        {"ed", "&Exit", "Ctrl+E"}},
       "help1"},
      {"Form6",
       "fg",
       "&Options",
       {{"df", "&Functional", ""},
        {"t4", "&Paralelepiped", "Ctrl+P"},
        {"fgt", "&Triangle", "Ctrl+T"},
        {"er", "&Stadart", "Ctrl+S"},
        {"wer", "&Exit", "Ctrl+E"}},
       ""},
  };
  return menus;
}

TEST(LayoutMenus, EachModeWindowHasExactlyItsEntriesInOrder) {
  for (const WindowMenu& expected : Menus()) {
    SCOPED_TRACE(std::string(expected.window));
    const WindowLayout* layout = support::LayoutOf(expected.window);
    ASSERT_NE(layout, nullptr);
    const std::size_t bars = expected.help_name.empty() ? 1 : 2;
    ASSERT_EQ(layout->menu_bar.size(), bars);
    const MenuBarEntry& options = layout->menu_bar[0];
    EXPECT_EQ(options.name, expected.bar_name);
    EXPECT_EQ(options.caption, expected.bar_caption);
    EXPECT_EQ(DropDown(options), expected.entries);
    if (bars == 2) {
      const MenuBarEntry& help = layout->menu_bar[1];
      EXPECT_EQ(help.name, expected.help_name);
      EXPECT_EQ(help.caption, "&Help");
      EXPECT_TRUE(help.entries.empty());
    }
  }
}

// The window a drop-down caption switches to; an empty name for Exit.
std::string_view TargetOf(std::string_view caption) {
  static const std::map<std::string_view, std::string_view> targets{
      {"&Standart", "Form1"}, {"&Stadart", "Form1"},  {"&Functional", "Form2"},
      {"&Function", "Form2"}, {"&Triangle", "Form3"}, {"&Paralelepiped", "Form4"},
      {"&Brackets", "Form6"}, {"&Exit", ""},
  };
  const auto it = targets.find(caption);
  return it == targets.end() ? "unknown" : it->second;
}

TEST(LayoutMenus, EveryModeWindowOffersTheOtherFourModesAndExitButNeverItself) {
  for (const WindowLayout* layout : support::AllLayouts()) {
    if (layout->menu_bar.empty()) continue;
    std::set<std::string_view> targets;
    for (const MenuEntry& entry : layout->menu_bar[0].entries) {
      targets.insert(TargetOf(entry.caption));
    }
    std::set<std::string_view> expected{"", "Form1", "Form2", "Form3", "Form4", "Form6"};
    expected.erase(layout->name);
    EXPECT_EQ(targets, expected) << layout->name;
  }
}

TEST(LayoutMenus, CaptionsCarryOneAccessKeyAndShortcutsAreCtrlLettersUsedOnce) {
  for (const WindowLayout* layout : support::AllLayouts()) {
    std::set<std::string_view> shortcuts;
    std::set<char> access_keys;
    for (const MenuBarEntry& bar : layout->menu_bar) {
      for (const MenuEntry& entry : bar.entries) {
        const std::string_view c = entry.caption;
        ASSERT_GE(c.size(), 2u);
        EXPECT_EQ(c.find('&'), 0u) << c;
        EXPECT_EQ(c.rfind('&'), 0u) << c;
        EXPECT_TRUE(access_keys.insert(c[1]).second) << layout->name << " " << c;
        if (entry.shortcut.empty()) continue;
        EXPECT_TRUE(shortcuts.insert(entry.shortcut).second) << layout->name << " " << c;
        ASSERT_EQ(entry.shortcut.size(), 6u) << entry.shortcut;
        EXPECT_EQ(entry.shortcut.substr(0, 5), "Ctrl+");
        EXPECT_EQ(entry.shortcut[5], c[1]) << "the shortcut letter is the access key: " << c;
      }
    }
  }
}

}  // namespace
}  // namespace tavro::layout
