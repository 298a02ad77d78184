#include "modes/solvers/help_text.h"
#include "ui/layout/form_layouts.h"
#include "ui/layout/layout_shorthand.h"

namespace tavro::layout {

// The Help window: one label holding the help paragraph, wrapped at word
// boundaries within the label's width. No menu, nothing that takes the focus,
// and no minimise button.
const WindowLayout& Form5Layout() {
  static const WindowLayout layout{
      .name = "Form5",
      .title = "Help",
      .client_width = 188,
      .client_height = 126,
      .background = kDefault,
      .minimise_button = false,
      .start = StartPosition::ChosenByWindowSystem,
      .menu_bar = {},
      .buttons = {},
      .fields = {},
      .labels =
          {
              // name, index, caption, {left, top, width, height}, font, tab
              {"Label1", 0, kHelpText, {0, 0, 185, 121}, Font{"MS Sans Serif", 12, true}, 0},
          },
      .lines = {},
  };
  return layout;
}

}  // namespace tavro::layout
