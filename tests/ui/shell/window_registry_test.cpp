// The window registry is the one table of the program's windows: a row
// missing, doubled or pointing at the wrong layout or window shows here, and
// so does a menu entry that leads to the wrong window.
#include "ui/shell/window_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/fake_clipboard.h"
#include "support/window_table.h"

namespace tavro::shell {
namespace {

using support::AllLayouts;
using support::CreateWindow;
using support::FindNavigation;
using support::IsWindowName;
using support::LayoutOf;
using support::MenuCaptionsSwitchingTo;
using support::NameOf;
using support::NavigationOf;
using support::WindowNames;

TEST(WindowRegistryTest, EveryWindowIdHasExactlyOneRow) {
  const WindowId ids[] = {WindowId::Form1, WindowId::Form2, WindowId::Form3,
                          WindowId::Form4, WindowId::Form5, WindowId::Form6};
  ASSERT_EQ(Windows().size(), std::size(ids));
  for (WindowId id : ids) {
    EXPECT_EQ(std::count_if(Windows().begin(), Windows().end(),
                            [id](const WindowRow& row) { return row.id == id; }),
              1)
        << static_cast<int>(id);
    EXPECT_EQ(RowOf(id).id, id);
  }
}

TEST(WindowRegistryTest, NamesAreUniqueAndFoundExactly) {
  std::set<std::string_view> names;
  for (const WindowRow& row : Windows()) {
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    EXPECT_EQ(FindRow(row.name), &row);
  }
  EXPECT_TRUE(
      std::equal(WindowNames().begin(), WindowNames().end(), Windows().begin(), Windows().end(),
                 [](std::string_view name, const WindowRow& row) { return name == row.name; }));
  for (std::string_view name : {"", "Form0", "Form7", "form1", "Form1 ", "Label1"}) {
    EXPECT_EQ(FindRow(name), nullptr) << name;
    EXPECT_FALSE(IsWindowName(name)) << name;
    EXPECT_EQ(LayoutOf(name), nullptr) << name;
  }
}

TEST(WindowRegistryTest, EachRowsLayoutIsTheLayoutOfItsWindow) {
  ASSERT_EQ(AllLayouts().size(), Windows().size());
  for (std::size_t i = 0; i < Windows().size(); ++i) {
    const WindowRow& row = Windows()[i];
    EXPECT_EQ(row.layout().name, row.name);
    EXPECT_EQ(LayoutOf(row.name), &row.layout());
    EXPECT_EQ(AllLayouts()[i], &row.layout());
  }
}

TEST(WindowRegistryTest, EveryMenuTargetIsAnotherWindowOfTheTable) {
  for (const WindowRow& row : Windows()) {
    for (const NavigationEntry& entry : row.menu) {
      SCOPED_TRACE(std::string(row.name) + " " + std::string(entry.handler));
      EXPECT_EQ(entry.action.target.has_value(), entry.action.kind == NavigationKind::SwitchTo);
      if (!entry.action.target) continue;
      EXPECT_NE(*entry.action.target, row.id);
      EXPECT_TRUE(std::any_of(Windows().begin(), Windows().end(), [&entry](const WindowRow& other) {
        return other.id == *entry.action.target;
      }));
    }
  }
}

TEST(WindowRegistryTest, CreatesEveryWindowsLogicObjectByItsNameAndNothingElse) {
  support::FakeClipboard clipboard;  // holds no text
  for (std::string_view window : WindowNames()) {
    const auto model = CreateWindow(window, DecimalSeparator::Comma(), clipboard);
    ASSERT_NE(model, nullptr) << window;
    EXPECT_EQ(model->name(), window);
    EXPECT_EQ(model->separator(), DecimalSeparator::Comma());
  }
  EXPECT_EQ(CreateWindow("Form0", DecimalSeparator::FullStop(), clipboard), nullptr);
  EXPECT_EQ(CreateWindow("form1", DecimalSeparator::FullStop(), clipboard), nullptr);
}

const char* const kModes[] = {"Form1", "Form2", "Form3", "Form4", "Form6"};

TEST(NavigationTest, EveryModeMenuLeadsToTheFourOtherModesAndNeverToItself) {
  for (std::string_view window : kModes) {
    std::multiset<std::string_view> targets;
    for (const NavigationEntry& entry : NavigationOf(window)) {
      if (entry.action.kind == NavigationKind::SwitchTo)
        targets.insert(NameOf(*entry.action.target));
    }
    std::multiset<std::string_view> others;
    for (std::string_view other : kModes) {
      if (other != window) others.insert(other);
    }
    EXPECT_EQ(targets, others) << window;
  }
}

TEST(NavigationTest, EveryModeWindowEndsByAMenuEntryAndAButtonAndOnlySolversHaveHelp) {
  for (std::string_view window : kModes) {
    int ends = 0;
    int helps = 0;
    for (const NavigationEntry& entry : NavigationOf(window)) {
      ends += entry.action.kind == NavigationKind::End;
      helps += entry.action.kind == NavigationKind::OpenHelp;
    }
    EXPECT_EQ(ends, 2) << window;
    EXPECT_EQ(helps, window == "Form3" || window == "Form4" ? 1 : 0) << window;
  }
}

TEST(NavigationTest, HelpAndUnknownWindowsHaveNoMenu) {
  EXPECT_TRUE(NavigationOf("Form5").empty());
  EXPECT_TRUE(NavigationOf("Form7").empty());
  EXPECT_FALSE(FindNavigation("Form5", "help1_Click"));
  EXPECT_FALSE(FindNavigation("Form1", "help2_Click"));
}

TEST(NavigationTest, TheSameControlNameLeadsWhereItsWindowSays) {
  EXPECT_EQ(FindNavigation("Form1", "f1_Click"),
            (NavigationAction{NavigationKind::SwitchTo, WindowId::Form2}));
  EXPECT_EQ(FindNavigation("Form4", "f1_Click"),
            (NavigationAction{NavigationKind::SwitchTo, WindowId::Form3}));
  EXPECT_EQ(FindNavigation("Form3", "f2_Click"),
            (NavigationAction{NavigationKind::SwitchTo, WindowId::Form2}));
  EXPECT_EQ(FindNavigation("Form4", "f2_Click"),
            (NavigationAction{NavigationKind::SwitchTo, WindowId::Form1}));
  EXPECT_FALSE(FindNavigation("Form6", "f1_Click"));
}

TEST(NavigationTest, MenuCaptionsSwitchingToAWindowAreReadFromTheOtherWindowsLayouts) {
  using Captions = std::vector<std::string_view>;
  EXPECT_EQ(MenuCaptionsSwitchingTo("Form2"),
            (Captions{"&Functional", "&Function", "&Function", "&Functional"}));
  EXPECT_EQ(MenuCaptionsSwitchingTo("Form4"), Captions(4, "&Paralelepiped"));
  EXPECT_TRUE(MenuCaptionsSwitchingTo("Form5").empty());
  EXPECT_TRUE(MenuCaptionsSwitchingTo("Form7").empty());
}

TEST(NavigationTest, NoMenuHandlerHidesAnOperationOfItsWindow) {
  support::FakeClipboard clipboard;  // holds no text
  for (std::string_view window : kModes) {
    const auto model = CreateWindow(window, DecimalSeparator::FullStop(), clipboard);
    ASSERT_NE(model, nullptr) << window;
    for (const NavigationEntry& entry : NavigationOf(window)) {
      EXPECT_FALSE(model->HasOperation(entry.handler)) << window << " " << entry.handler;
    }
  }
}

}  // namespace
}  // namespace tavro::shell
