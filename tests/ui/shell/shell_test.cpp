#include "ui/shell/shell.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fake_window_system.h"
#include "support/fake_clipboard.h"

namespace tavro::shell {
namespace {

using support::FakeClipboard;
using testing::FakeWindowSystem;
using Calls = std::vector<std::string>;

class ShellTest : public ::testing::Test {
 protected:
  // Starts the program and forgets the startup's calls.
  void StartAndForget() {
    shell.Start();
    windows.calls.clear();
  }
  void Type(std::string_view window, std::string_view field, std::string_view text) {
    WindowModel* model = shell.Model(window);
    ASSERT_NE(model, nullptr);
    TextField* target = model->FindField(field);
    ASSERT_NE(target, nullptr);
    target->Type(text);
  }
  std::string TextOf(std::string_view window, std::string_view field) {
    return shell.Model(window)->FindField(field)->text();
  }

  FakeWindowSystem windows;
  FakeClipboard clipboard;
  Shell shell{windows, DecimalSeparator::FullStop(), clipboard};
};

TEST_F(ShellTest, StartupOpensOnlyTheStandardWindowWithEmptyFields) {
  EXPECT_FALSE(shell.Running());
  EXPECT_EQ(shell.StateOf("Form1"), WindowState::NotCreated);

  shell.Start();

  EXPECT_TRUE(shell.Running());
  EXPECT_EQ(windows.calls, (Calls{"open Form1"}));
  EXPECT_EQ(windows.layout_names, (Calls{"Form1"}));
  EXPECT_EQ(windows.texts_at_open.at(0),
            (std::map<std::string, std::string>{{"Text1", ""}, {"Text2", ""}, {"Text3", ""}}));
  EXPECT_EQ(shell.StateOf("Form1"), WindowState::Open);
  for (std::string_view other : {"Form2", "Form3", "Form4", "Form5", "Form6"}) {
    EXPECT_EQ(shell.StateOf(other), WindowState::NotCreated) << other;
    EXPECT_EQ(shell.Model(other), nullptr) << other;
  }
}

TEST_F(ShellTest, EachWindowIsOpenedWithTheNameAScreenReaderCallsIt) {
  shell.Start();
  const std::pair<const char*, const char*> kNames[] = {
      {"Form2", "Functional"},    {"Form3", "Triangle"}, {"Form5", "Help"},
      {"Form4", "Paralelepiped"},  // untitled: named as the menus that lead to it name it
      {"Form6", "Brackets"},      {"Form1", "Standart"},
  };
  for (const auto& [window, name] : kNames) {
    ASSERT_TRUE(shell.OpenWindow(window));
    EXPECT_EQ(windows.layout_names.back(), window);
    EXPECT_EQ(windows.accessible_names.back(), name) << window;
  }
  EXPECT_EQ(windows.accessible_names.front(), "Standart");
}

TEST_F(ShellTest, StartingTwiceOpensNothingMore) {
  shell.Start();
  shell.Start();
  EXPECT_EQ(windows.calls, (Calls{"open Form1"}));
}

TEST_F(ShellTest, NothingRunsBeforeStart) {
  EXPECT_FALSE(shell.Invoke("Form1", "Command1_Click"));
  EXPECT_FALSE(shell.OpenWindow("Form2"));
  shell.CloseByUser("Form1");
  EXPECT_TRUE(windows.calls.empty());
}

// Every menu entry that changes the mode, of every mode window.
struct SwitchCase {
  const char* window;
  const char* handler;
  const char* target;
};

const SwitchCase kSwitches[] = {
    {"Form1", "f4_Click", "Form6"},  {"Form1", "f2_Click", "Form3"}, {"Form1", "f1_Click", "Form2"},
    {"Form1", "f3_Click", "Form4"},  {"Form2", "f4_Click", "Form6"}, {"Form2", "f2_Click", "Form3"},
    {"Form2", "at_Click", "Form1"},  {"Form2", "f3_Click", "Form4"}, {"Form3", "f4_Click", "Form6"},
    {"Form3", "f2_Click", "Form2"},  {"Form3", "w_Click", "Form1"},  {"Form3", "f3_Click", "Form4"},
    {"Form4", "f4_Click", "Form6"},  {"Form4", "f2_Click", "Form1"}, {"Form4", "f1_Click", "Form3"},
    {"Form4", "f3_Click", "Form2"},  {"Form6", "df_Click", "Form2"}, {"Form6", "t4_Click", "Form4"},
    {"Form6", "fgt_Click", "Form3"}, {"Form6", "er_Click", "Form1"},
};

class SwitchTest : public ShellTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchTest, ClosesTheWindowThenOpensTheTarget) {
  const SwitchCase& c = GetParam();
  shell.Start();
  ASSERT_TRUE(shell.OpenWindow(c.window));
  windows.calls.clear();
  windows.layout_names.clear();

  ASSERT_TRUE(shell.CanInvoke(c.window, c.handler));
  EXPECT_TRUE(shell.Invoke(c.window, c.handler));

  EXPECT_EQ(windows.calls,
            (Calls{std::string("close ") + c.window, std::string("open ") + c.target}));
  EXPECT_EQ(windows.layout_names, (Calls{c.target}));
  EXPECT_EQ(shell.StateOf(c.window), WindowState::Closed);
  EXPECT_EQ(shell.StateOf(c.target), WindowState::Open);
  EXPECT_TRUE(shell.Running());
  for (const TextField& field : shell.Model(c.target)->fields()) {
    EXPECT_EQ(field.text(), "") << field.name();
  }
}

INSTANTIATE_TEST_SUITE_P(EveryMenu, SwitchTest, ::testing::ValuesIn(kSwitches),
                         [](const auto& info) {
                           return std::string(info.param.window) + "_" + info.param.handler;
                         });

TEST_F(ShellTest, AtMostOneModeWindowIsOpenAlongAnyRoute) {
  shell.Start();
  for (const SwitchCase& c : kSwitches) {
    ASSERT_TRUE(shell.OpenWindow(c.window));
    ASSERT_TRUE(shell.Invoke(c.window, c.handler));
    int open_modes = 0;
    for (std::string_view name : {"Form1", "Form2", "Form3", "Form4", "Form6"}) {
      if (shell.StateOf(name) == WindowState::Open) ++open_modes;
    }
    EXPECT_EQ(open_modes, 1) << c.window << " " << c.handler;
  }
}

TEST_F(ShellTest, AWindowObjectIsCreatedOnceAndKept) {
  shell.Start();
  WindowModel* standard = shell.Model("Form1");
  ASSERT_TRUE(shell.Invoke("Form1", "f1_Click"));
  WindowModel* converter = shell.Model("Form2");
  ASSERT_NE(converter, nullptr);
  ASSERT_TRUE(shell.Invoke("Form2", "at_Click"));
  ASSERT_TRUE(shell.Invoke("Form1", "f1_Click"));
  EXPECT_EQ(shell.Model("Form1"), standard);
  EXPECT_EQ(shell.Model("Form2"), converter);
  EXPECT_EQ(shell.StateOf("Form1"), WindowState::Closed);
}

TEST_F(ShellTest, ASwitchEmptiesTheFieldsAndKeepsMemoryAndAnswer) {
  shell.Start();
  Type("Form1", "Text1", "2");
  Type("Form1", "Text2", "3");
  ASSERT_TRUE(shell.Invoke("Form1", "Command1_Click"));
  ASSERT_EQ(TextOf("Form1", "Text3"), "5");
  Type("Form1", "Text1", "7");
  ASSERT_TRUE(shell.Invoke("Form1", "Command10_Click"));  // MEM of Text1

  ASSERT_TRUE(shell.Invoke("Form1", "f1_Click"));
  ASSERT_TRUE(shell.Invoke("Form2", "at_Click"));

  // Opened again: empty fields, both when shown and in the model.
  EXPECT_EQ(windows.texts_at_open.back(),
            (std::map<std::string, std::string>{{"Text1", ""}, {"Text2", ""}, {"Text3", ""}}));
  ASSERT_TRUE(shell.Invoke("Form1", "Command5_Click"));  // Send top: the last answer
  EXPECT_EQ(TextOf("Form1", "Text1"), "5");
  ASSERT_TRUE(shell.Invoke("Form1", "Command13_Click"));  // MRC into Text2
  EXPECT_EQ(TextOf("Form1", "Text2"), "7");
}

TEST_F(ShellTest, MenuBarEntriesWithADropDownDoNothing) {
  shell.Start();
  for (const auto& [window, handler] :
       std::vector<std::pair<const char*, const char*>>{{"Form1", "main_Click"},
                                                        {"Form2", "main_Click"},
                                                        {"Form3", "main_Click"},
                                                        {"Form4", "eg_Click"},
                                                        {"Form6", "fg_Click"}}) {
    ASSERT_TRUE(shell.OpenWindow(window));
    windows.calls.clear();
    EXPECT_TRUE(shell.Invoke(window, handler)) << window;
    EXPECT_TRUE(windows.calls.empty()) << window;
    EXPECT_EQ(shell.StateOf(window), WindowState::Open) << window;
  }
}

TEST_F(ShellTest, HelpOpensOnceAndIsOnlyBroughtToTheFrontAfterwards) {
  shell.Start();
  ASSERT_TRUE(shell.Invoke("Form1", "f2_Click"));
  windows.calls.clear();

  EXPECT_TRUE(shell.Invoke("Form3", "help2_Click"));
  EXPECT_TRUE(shell.Invoke("Form3", "help2_Click"));

  EXPECT_EQ(windows.calls, (Calls{"open Form5", "activate Form5"}));
  EXPECT_EQ(windows.layout_names.back(), "Form5");
  EXPECT_EQ(shell.StateOf("Form3"), WindowState::Open);
  EXPECT_EQ(shell.StateOf("Form5"), WindowState::Open);
}

TEST_F(ShellTest, HelpSurvivesASwitchUntouched) {
  shell.Start();
  ASSERT_TRUE(shell.Invoke("Form1", "f2_Click"));
  ASSERT_TRUE(shell.Invoke("Form3", "help2_Click"));
  windows.calls.clear();

  ASSERT_TRUE(shell.Invoke("Form3", "f3_Click"));
  EXPECT_EQ(windows.calls, (Calls{"close Form3", "open Form4"}));
  EXPECT_EQ(shell.StateOf("Form5"), WindowState::Open);

  ASSERT_TRUE(shell.Invoke("Form4", "help1_Click"));
  EXPECT_EQ(windows.calls.back(), "activate Form5");
}

TEST_F(ShellTest, HelpClosedByTheUserOpensAgain) {
  shell.Start();
  ASSERT_TRUE(shell.Invoke("Form1", "f3_Click"));
  ASSERT_TRUE(shell.Invoke("Form4", "help1_Click"));
  WindowModel* help = shell.Model("Form5");
  shell.CloseByUser("Form5");
  EXPECT_EQ(shell.StateOf("Form5"), WindowState::Closed);
  windows.calls.clear();

  ASSERT_TRUE(shell.Invoke("Form4", "help1_Click"));
  EXPECT_EQ(windows.calls, (Calls{"open Form5"}));
  EXPECT_EQ(shell.Model("Form5"), help);
}

TEST_F(ShellTest, ClosingTheModeWindowBesideHelpKeepsRunningUntilHelpCloses) {
  shell.Start();
  ASSERT_TRUE(shell.Invoke("Form1", "f2_Click"));
  ASSERT_TRUE(shell.Invoke("Form3", "help2_Click"));
  windows.calls.clear();

  shell.CloseByUser("Form3");
  EXPECT_EQ(windows.calls, (Calls{"close Form3"}));
  EXPECT_TRUE(shell.Running());
  EXPECT_EQ(shell.StateOf("Form3"), WindowState::Closed);

  shell.CloseByUser("Form5");
  EXPECT_EQ(windows.calls, (Calls{"close Form3", "close Form5", "quit"}));
  EXPECT_FALSE(shell.Running());
}

TEST_F(ShellTest, ClosingTheOnlyWindowEndsTheProgramOnce) {
  StartAndForget();
  shell.CloseByUser("Form1");
  shell.CloseByUser("Form1");
  EXPECT_EQ(windows.calls, (Calls{"close Form1", "quit"}));
  EXPECT_FALSE(shell.Running());
}

TEST_F(ShellTest, ClosingAWindowThatIsNotOpenDoesNothing) {
  StartAndForget();
  shell.CloseByUser("Form2");
  shell.CloseByUser("Form5");
  shell.CloseByUser("Nowhere");
  EXPECT_TRUE(windows.calls.empty());
  EXPECT_TRUE(shell.Running());
}

// Every Exit entry and Exit button.
struct EndCase {
  const char* window;
  const char* handler;
};

const EndCase kEnds[] = {
    {"Form1", "ex_Click"},       {"Form1", "Command9_Click"}, {"Form2", "ex_Click"},
    {"Form2", "exit_Click"},     {"Form3", "ex_Click"},       {"Form3", "Command4_Click"},
    {"Form4", "ed_Click"},       {"Form4", "Command4_Click"}, {"Form6", "wer_Click"},
    {"Form6", "Command5_Click"},
};

class EndTest : public ShellTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndTest, EndsAtOnceAndTakesHelpAlong) {
  const EndCase& c = GetParam();
  shell.Start();
  ASSERT_TRUE(shell.OpenWindow(c.window));
  ASSERT_TRUE(shell.OpenWindow("Form5"));
  windows.calls.clear();

  EXPECT_TRUE(shell.Invoke(c.window, c.handler));

  EXPECT_EQ(windows.calls, (Calls{"quit"}));
  EXPECT_FALSE(shell.Running());
  EXPECT_EQ(shell.StateOf(c.window), WindowState::Closed);
  EXPECT_EQ(shell.StateOf("Form5"), WindowState::Closed);
}

INSTANTIATE_TEST_SUITE_P(EveryExit, EndTest, ::testing::ValuesIn(kEnds), [](const auto& info) {
  return std::string(info.param.window) + "_" + info.param.handler;
});

TEST_F(ShellTest, AfterEndNothingRuns) {
  shell.Start();
  Type("Form1", "Text1", "2");
  Type("Form1", "Text2", "3");
  ASSERT_TRUE(shell.Invoke("Form1", "ex_Click"));
  windows.calls.clear();

  EXPECT_FALSE(shell.CanInvoke("Form1", "Command1_Click"));
  EXPECT_FALSE(shell.Invoke("Form1", "Command1_Click"));
  EXPECT_FALSE(shell.Invoke("Form1", "f1_Click"));
  EXPECT_FALSE(shell.Invoke("Form1", "ex_Click"));
  EXPECT_FALSE(shell.OpenWindow("Form2"));
  shell.CloseByUser("Form1");
  shell.Start();

  EXPECT_EQ(TextOf("Form1", "Text3"), "");
  EXPECT_TRUE(windows.calls.empty());
  EXPECT_FALSE(shell.Running());
}

TEST_F(ShellTest, UnknownWindowsAndOperationsAreRefused) {
  StartAndForget();
  EXPECT_FALSE(shell.Invoke("Form9", "Command1_Click"));
  EXPECT_FALSE(shell.Invoke("", ""));
  EXPECT_FALSE(shell.Invoke("Form1", "Command99_Click"));
  EXPECT_FALSE(shell.Invoke("Form1", ""));
  EXPECT_FALSE(shell.Invoke("Form1", "at_Click"));        // an entry of the converter only
  EXPECT_FALSE(shell.Invoke("Form1", "Command1"));        // a control, not its handler
  EXPECT_FALSE(shell.Invoke("Form2", "Command1_Click"));  // not open
  EXPECT_FALSE(shell.Invoke("Form5", "Command1_Click"));
  EXPECT_FALSE(shell.OpenWindow("Form7"));
  EXPECT_EQ(shell.StateOf("Form9"), WindowState::NotCreated);
  EXPECT_EQ(shell.Model("Form9"), nullptr);
  EXPECT_TRUE(windows.calls.empty());
  EXPECT_TRUE(shell.Running());
}

TEST_F(ShellTest, OpeningAWindowByNameSwitchesFromTheOpenModeWindow) {
  shell.Start();
  Type("Form1", "Text1", "4");
  windows.calls.clear();

  ASSERT_TRUE(shell.OpenWindow("Form1"));
  EXPECT_EQ(windows.calls, (Calls{"close Form1", "open Form1"}));
  EXPECT_EQ(TextOf("Form1", "Text1"), "");

  ASSERT_TRUE(shell.OpenWindow("Form5"));
  ASSERT_TRUE(shell.OpenWindow("Form6"));
  EXPECT_EQ(windows.calls,
            (Calls{"close Form1", "open Form1", "open Form5", "close Form1", "open Form6"}));
}

TEST_F(ShellTest, OpeningAModeWindowBesideHelpAloneOpensOnlyIt) {
  shell.Start();
  ASSERT_TRUE(shell.OpenWindow("Form5"));
  shell.CloseByUser("Form1");
  windows.calls.clear();

  ASSERT_TRUE(shell.OpenWindow("Form2"));
  EXPECT_EQ(windows.calls, (Calls{"open Form2"}));
  EXPECT_TRUE(shell.Running());
}

// A toolkit whose windows report their closing back to the shell, as a close
// event does, even when the shell closed them itself.
class ReportingWindowSystem : public FakeWindowSystem {
 public:
  void Close(std::string_view window) override {
    FakeWindowSystem::Close(window);
    if (shell != nullptr) shell->CloseByUser(window);
  }
  Shell* shell = nullptr;
};

TEST(ShellReentryTest, AClosingReportedBackDoesNotEndTheProgramInASwitch) {
  ReportingWindowSystem windows;
  FakeClipboard clipboard;
  Shell shell(windows, DecimalSeparator::FullStop(), clipboard);
  windows.shell = &shell;
  shell.Start();

  ASSERT_TRUE(shell.Invoke("Form1", "f1_Click"));
  EXPECT_TRUE(shell.Running());
  EXPECT_EQ(windows.calls, (Calls{"open Form1", "close Form1", "open Form2"}));

  shell.CloseByUser("Form2");
  EXPECT_EQ(windows.calls.back(), "quit");
  EXPECT_FALSE(shell.Running());
}

TEST(ShellLocaleTest, WindowsCalculateWithTheShellsSeparator) {
  FakeWindowSystem windows;
  FakeClipboard clipboard;
  clipboard.text = "1,5";
  Shell shell(windows, DecimalSeparator::Comma(), clipboard);
  shell.Start();
  ASSERT_TRUE(shell.Invoke("Form1", "f1_Click"));
  ASSERT_TRUE(shell.Invoke("Form2", "Command15_Click"));  // Paste
  EXPECT_EQ(shell.Model("Form2")->FindField("Text1")->text(), "1,5");
  ASSERT_TRUE(shell.Invoke("Form2", "Command1_Click"));  // inches to cm
  EXPECT_EQ(shell.Model("Form2")->FindField("Text2")->text(), "3,81");
}

// A change of separator reaches the windows already created (their cells
// kept) as well as those created later.
TEST(ShellLocaleTest, ANewSeparatorReachesEveryWindow) {
  FakeWindowSystem windows;
  FakeClipboard clipboard;
  Shell shell(windows, DecimalSeparator::FullStop(), clipboard);
  shell.Start();
  shell.SetDecimalSeparator(DecimalSeparator::Comma());
  WindowModel& form1 = *shell.Model("Form1");
  form1.FindField("Text1")->Type("2,5");
  form1.FindField("Text2")->Type("1");
  ASSERT_TRUE(shell.Invoke("Form1", "Command1_Click"));  // +
  EXPECT_EQ(form1.FindField("Text3")->text(), "3,5");
  ASSERT_TRUE(shell.Invoke("Form1", "f1_Click"));
  clipboard.text = "1,5";
  ASSERT_TRUE(shell.Invoke("Form2", "Command15_Click"));  // Paste
  ASSERT_TRUE(shell.Invoke("Form2", "Command1_Click"));   // inches to cm
  EXPECT_EQ(shell.Model("Form2")->FindField("Text2")->text(), "3,81");
}

// Only the converter's Paste reads the clipboard; the rest of its buttons,
// the other windows' and the menus do not.
TEST(ReadsClipboardTest, OnlyPasteReadsTheClipboard) {
  struct Case {
    std::string_view window, operation;
    bool reads;
  };
  const Case cases[] = {
      {"Form2", "Command15_Click", true},  {"Form2", "Command2_Click", false},
      {"Form2", "ce_Click", false},        {"Form2", "exit_Click", false},
      {"Form1", "Command1_Click", false},  {"Form2", "NoSuch_Click", false},
      {"Form9", "Command15_Click", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadsClipboard(c.window, c.operation), c.reads) << c.window << " " << c.operation;
  }
}

}  // namespace
}  // namespace tavro::shell
