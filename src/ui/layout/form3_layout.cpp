#include "ui/layout/form_layouts.h"
#include "ui/layout/layout_shorthand.h"

namespace tavro::layout {

// The Triangle solver: A, hA and S above the Find button, and beside them a
// triangle with its apex at (200, 0) and its base from (176, 64) to (240, 64).
// The base stands for side A and the height for hA, each in the colour of its
// field. Tab reaches the Exit button before Find.
const WindowLayout& Form3Layout() {
  static const WindowLayout layout{
      .name = "Form3",
      .title = "Triangle",
      .client_width = 249,
      .client_height = 106,
      .background = kDefault,
      .minimise_button = true,
      .start = StartPosition::CentreOfScreen,
      .menu_bar =
          {
              {"main",
               "&Options",
               {
                   // name, caption, shortcut
                   {"f4", "&Brackets", "Ctrl+B"},
                   {"f2", "&Function", "Ctrl+F"},
                   {"w", "&Standart", "Ctrl+S"},
                   {"f3", "&Paralelepiped", "Ctrl+P"},
                   {"ex", "&Exit", "Ctrl+E"},
               }},
              {"help2", "&Help", {}},  // acts at once
          },
      .buttons =
          {
              // name, caption, {left, top, width, height}, background, picture, tooltip, tab
              {"Command3", "Find", {16, 80, 153, 25}, Rgb(0xC0C0C0), Picture::None, "Търси се", 5},
              {"Command5", "CE", {176, 72, 33, 33}, kDefault, Picture::None, "", 8},
              {"Command4", "Exit", {208, 72, 33, 33}, kDefault, Picture::None, "Изход", 4},
          },
      .fields =
          {
              // name, {left, top, width, height}, background, maximum length, pointer, tooltip, tab
              {"Text1", {16, 0, 153, 19}, Rgb(0xFFE0C0), kNoLimit, Pointer::Standard, "Страна", 1},
              {"Text2",
               {16, 24, 153, 19},
               Rgb(0xC0FFC0),
               kNoLimit,
               Pointer::Standard,
               "Височина към страната",
               2},
              {"Text3", {16, 56, 153, 19}, kHighlight3D, kNoLimit, Pointer::Standard, "Лице", 3},
          },
      .labels =
          {
              // name, index, caption, {left, top, width, height}, font, tab
              {"Label1", 0, "A", {0, 8, 9, 17}, kWindowFont, 0},
              {"Label1", 1, "hA", {0, 32, 17, 17}, kWindowFont, 6},
              {"Label1", 2, "S", {0, 64, 9, 17}, kWindowFont, 7},
          },
      .lines =
          {
              // name, x1, y1, x2, y2, colour, dotted
              {"Line1", 200, 0, 176, 64, kDefault, false},
              {"Line3", 240, 64, 200, 0, kDefault, false},
              {"Line2", 240, 64, 176, 64, Rgb(0xFFE0C0), false},
              {"Line4", 200, 8, 200, 64, Rgb(0xC0FFC0), false},
          },
  };
  return layout;
}

}  // namespace tavro::layout
