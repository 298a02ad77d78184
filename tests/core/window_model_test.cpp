#include "core/window_model.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

class Counter : public WindowModel {
 public:
  Counter() : WindowModel("Counter", DecimalSeparator::FullStop()), text1_(AddField("Text1", 3)) {
    AddOperation("Command1_Click", [this] { Write(text1_, "12345"); });
  }

 private:
  TextField& text1_;
};

TEST(WindowModel, OperationsAreInvokedByName) {
  Counter window;
  EXPECT_TRUE(window.HasOperation("Command1_Click"));
  EXPECT_FALSE(window.HasOperation("Command2_Click"));
  EXPECT_FALSE(window.Invoke("Command2_Click"));
  EXPECT_TRUE(window.Invoke("Command1_Click"));
  // No number of five digits fits three characters, so the text is cut.
  EXPECT_EQ(window.FindField("Text1")->text(), "123");
  EXPECT_EQ(window.OperationNames(), std::vector<std::string>{"Command1_Click"});
}

// A window whose operations come from one table of rows.
class Tally : public WindowModel {
 public:
  Tally() : WindowModel("Tally", DecimalSeparator::FullStop()) {
    static constexpr OperationRow<Tally> kOperations[] = {
        {"Command1_Click", &Tally::Command1_Click},
        {"ce_Click", &Tally::ce_Click},
    };
    AddOperations(*this, kOperations);
  }
  void Command1_Click() { ++count; }
  void ce_Click() { count = 0; }

  int count = 5;
};

TEST(WindowModel, EachTableRowRunsItsMemberOnItsOwnWindow) {
  Tally first;
  Tally second;
  EXPECT_EQ(first.OperationNames(), (std::vector<std::string>{"Command1_Click", "ce_Click"}));
  EXPECT_TRUE(first.Invoke("Command1_Click"));
  EXPECT_TRUE(first.Invoke("Command1_Click"));
  EXPECT_EQ(first.count, 7);
  EXPECT_EQ(second.count, 5);
  EXPECT_TRUE(second.Invoke("ce_Click"));
  EXPECT_EQ(second.count, 0);
  EXPECT_EQ(first.count, 7);
}

TEST(WindowModel, LoadingEmptiesEveryField) {
  Counter window;
  window.FindField("Text1")->Type("ab");
  window.Load();
  EXPECT_EQ(window.FindField("Text1")->text(), "");
  EXPECT_EQ(window.FindField("Text9"), nullptr);
}

}  // namespace
}  // namespace tavro
