#include "ui/layout/form_layouts.h"
#include "ui/layout/layout_shorthand.h"

namespace tavro::layout {

// The Standard calculator: the first number between an MRC and a MEM button,
// the second number likewise, the answer with a MEM button to its right, and a
// bottom row of five tall operation buttons (each 41 wide and starting 40 to
// the right of the one before, so neighbours overlap by one pixel), followed by
// the "Send top" / "Send Center" column and the "CE" / "Exit" column. The four
// operator buttons show only their pictures.
const WindowLayout& Form1Layout() {
  static const WindowLayout layout{
      .name = "Form1",
      .title = "Standart",
      .client_width = 307,
      .client_height = 146,
      .background = Rgb(0xC0C0C0),
      .minimise_button = true,
      .start = StartPosition::CentreOfScreen,
      .menu_bar =
          {
              {"main",
               "&Options",
               {
                   // name, caption, shortcut
                   {"f4", "&Brackets", "Ctrl+B"},
                   {"f2", "&Triangle", "Ctrl+T"},
                   {"f1", "&Functional", "Ctrl+F"},
                   {"f3", "&Paralelepiped", "Ctrl+P"},
                   {"ex", "&Exit", "Ctrl+E"},
               }},
          },
      .buttons =
          {
              // name, caption, {left, top, width, height}, background, picture, tooltip, tab
              {"Command11", "MRC", {0, 0, 41, 17}, kDefault, Picture::None, "", 12},
              {"Command10", "MEM", {264, 0, 41, 17}, kDefault, Picture::None, "", 14},
              {"Command13", "MRC", {0, 24, 41, 17}, kDefault, Picture::None, "", 13},
              {"Command12", "MEM", {264, 24, 41, 17}, kDefault, Picture::None, "", 15},
              {"Command14", "MEM", {264, 56, 41, 17}, kDefault, Picture::None, "", 16},
              {"Command1", "", {0, 80, 41, 65}, Rgb(0xE0E0E0), Picture::Plus, "СЪБИРАНЕ", 3},
              {"Command2", "", {40, 80, 41, 65}, Rgb(0xE0E0E0), Picture::Minus, "ИЗВАЖДАНЕ", 4},
              {"Command3", "", {80, 80, 41, 65}, Rgb(0xE0E0E0), Picture::Multiply, "УМНОЖЕНИЕ", 5},
              {"Command4", "", {120, 80, 41, 65}, Rgb(0xE0E0E0), Picture::Divide, "ДЕЛЕНИЕ", 6},
              {"Command8", "SQR", {160, 80, 41, 65}, Rgb(0xE0E0E0), Picture::None, "", 7},
              {"Command5",
               "Send top",
               {208, 80, 41, 33},
               kDefault,
               Picture::None,
               "Изпращане на отговора на мястото на първото число",
               9},
              {"Command6", "CE", {256, 80, 49, 33}, kDefault, Picture::None, "", 11},
              {"Command7",
               "Send Center",
               {208, 112, 41, 33},
               kDefault,
               Picture::None,
               "Изпращане на отговора на второто число",
               8},
              {"Command9", "Exit", {256, 112, 49, 33}, kDefault, Picture::None, "", 10},
          },
      .fields =
          {
              // name, {left, top, width, height}, background, maximum length, pointer, tooltip, tab
              {"Text1",
               {48, 0, 209, 19},
               kTooltipBackground,
               20,
               Pointer::Standard,
               "ПЪРВО ЧИСЛО",
               0},
              {"Text2",
               {48, 24, 209, 19},
               kTooltipBackground,
               20,
               Pointer::Standard,
               "ВТОРО ЧИСЛО",
               1},
              {"Text3",
               {8, 56, 249, 19},
               kTooltipBackground,
               kNoLimit,
               Pointer::Standard,
               "ОТГОВОР",
               2},
          },
      .labels = {},
      .lines = {},
  };
  return layout;
}

}  // namespace tavro::layout
