#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/decimal_separator.h"
#include "core/window_model.h"
#include "support/fake_clipboard.h"
#include "ui/shell/fake_window_system.h"
#include "ui/shell/shell.h"

namespace tavro::hostile {

inline constexpr std::size_t kTenMegabytes = 10u << 20;

// The program with its startup window open, a window system that shows
// nothing and a clipboard the test fills.
class Program {
 public:
  explicit Program(DecimalSeparator separator = DecimalSeparator::FullStop());

  // Switches to the window (Form1 to Form6) and returns its logic.
  WindowModel& Open(std::string_view window);
  void Click(std::string_view window, std::string_view operation);
  // Every field of every window created so far holds valid UTF-8 within its
  // maximum length; the messages name the ones that do not. A field holding
  // exactly `known_valid` (a text the test made) is not decoded again.
  std::vector<std::string> BrokenFields(std::string_view known_valid = {});
  // Every number held by a cell of a window created so far is finite.
  std::vector<std::string> BrokenCells();

  support::FakeClipboard clipboard;

 private:
  shell::testing::FakeWindowSystem windows_;
  shell::Shell shell_;
};

}  // namespace tavro::hostile
