// The shell, the window objects and the layouts meet only through names:
// every control the toolkit builds must reach an operation, and every field
// it shows must be one of the window object's fields.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fake_window_system.h"
#include "support/fake_clipboard.h"
#include "support/window_table.h"
#include "ui/layout/window_layout.h"
#include "ui/shell/shell.h"

namespace tavro::shell {
namespace {

using support::AllLayouts;
using support::FakeClipboard;
using testing::FakeWindowSystem;

class ShellLayoutTest : public ::testing::Test {
 protected:
  FakeWindowSystem windows;
  FakeClipboard clipboard;
  Shell shell{windows, DecimalSeparator::FullStop(), clipboard};
};

TEST_F(ShellLayoutTest, EveryButtonAndMenuEntryOfEveryLayoutReachesAnOperation) {
  shell.Start();
  ASSERT_EQ(AllLayouts().size(), 6u);
  for (const layout::WindowLayout* window : AllLayouts()) {
    SCOPED_TRACE(std::string(window->name));
    ASSERT_TRUE(shell.OpenWindow(window->name));
    ASSERT_EQ(shell.StateOf(window->name), WindowState::Open);
    for (const layout::Button& button : window->buttons) {
      EXPECT_TRUE(shell.CanInvoke(window->name, layout::HandlerOf(button.name))) << button.name;
    }
    for (const layout::MenuBarEntry& bar_entry : window->menu_bar) {
      if (bar_entry.entries.empty()) {  // acts at once when chosen
        EXPECT_TRUE(shell.CanInvoke(window->name, layout::HandlerOf(bar_entry.name)))
            << bar_entry.name;
      }
      for (const layout::MenuEntry& entry : bar_entry.entries) {
        EXPECT_TRUE(shell.CanInvoke(window->name, layout::HandlerOf(entry.name))) << entry.name;
      }
    }
  }
}

TEST_F(ShellLayoutTest, EveryOperationOfAWindowObjectHasAButton) {
  shell.Start();
  for (const layout::WindowLayout* window : AllLayouts()) {
    SCOPED_TRACE(std::string(window->name));
    ASSERT_TRUE(shell.OpenWindow(window->name));
    std::set<std::string> handlers;
    for (const layout::Button& button : window->buttons)
      handlers.insert(layout::HandlerOf(button.name));
    for (const std::string& operation : shell.Model(window->name)->OperationNames()) {
      EXPECT_TRUE(handlers.count(operation)) << operation;
    }
  }
}

TEST_F(ShellLayoutTest, TheLayoutsFieldsAreTheWindowObjectsFields) {
  shell.Start();
  for (const layout::WindowLayout* window : AllLayouts()) {
    SCOPED_TRACE(std::string(window->name));
    ASSERT_TRUE(shell.OpenWindow(window->name));
    const WindowModel& model = *shell.Model(window->name);
    ASSERT_EQ(window->fields.size(), model.fields().size());
    for (const layout::Field& field : window->fields) {
      const TextField* text_field = model.FindField(field.name);
      ASSERT_NE(text_field, nullptr) << field.name;
      const std::optional<std::size_t> layout_length =
          field.max_length ? std::optional<std::size_t>(static_cast<std::size_t>(*field.max_length))
                           : std::nullopt;
      EXPECT_EQ(text_field->max_length(), layout_length) << field.name;
    }
  }
}

TEST_F(ShellLayoutTest, EachWindowOpensWithItsOwnLayout) {
  shell.Start();
  for (const layout::WindowLayout* window : AllLayouts()) {
    ASSERT_TRUE(shell.OpenWindow(window->name));
    EXPECT_EQ(windows.layout_names.back(), window->name);
  }
}

}  // namespace
}  // namespace tavro::shell
