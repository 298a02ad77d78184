#include "ui/shell/navigation.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <vector>

#include "support/fake_clipboard.h"
#include "ui/shell/window_registry.h"

namespace tavro::shell {
namespace {

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
