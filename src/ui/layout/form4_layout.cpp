#include "ui/layout/form_layouts.h"
#include "ui/layout/layout_shorthand.h"

namespace tavro::layout {

// The Parallelepiped solver: A, B, C and V above the Find button, and beside them
// a box in oblique view: a back face from (184, 0) to (240, 72) in the desktop
// colour (Line1 to Line4), a front face from (200, 16) to (256, 88) (Line9 to
// Line12) and four depth edges joining their corners (Line5 to Line8). The three
// edges meeting at the hidden corner (240, 72) are dotted. Edge A (Line5),
// B (Line11) and C (Line9) have the colours of their fields. The label captions
// are Latin letters; the tooltips of Text1 and Text2 end in the Cyrillic letters
// A and VE (U+0410, U+0412), those of Text3 and Text4 in the Latin C and V. The
// window has an empty title.
const WindowLayout& Form4Layout() {
  static const WindowLayout layout{
      .name = "Form4",
      .title = "",
      .client_width = 260,
      .client_height = 158,
      .background = kDefault,
      .minimise_button = true,
      .start = StartPosition::CentreOfScreen,
      .menu_bar =
          {
              {"eg",
               "&Option",
               {
                   // name, caption, shortcut
                   {"f4", "&Brackets", ""},
                   {"f2", "&Standart", "Ctrl+S"},
                   {"f1", "&Triangle", "Ctrl+T"},
                   {"f3", "&Function", "Ctrl+F"},
                   {"ed", "&Exit", "Ctrl+E"},
               }},
              {"help1", "&Help", {}},  // acts at once
          },
      .buttons =
          {
              // name, caption, {left, top, width, height}, background, picture, tooltip, tab
              {"Command6",
               "Find",
               {16, 104, 161, 49},
               Rgb(0xC0C0C0),
               Picture::None,
               "Търси се V",
               4},
              {"Command5", "CE", {184, 104, 73, 25}, kDefault, Picture::None, "", 5},
              {"Command4", "Exit", {184, 128, 73, 25}, kDefault, Picture::None, "Изход", 7},
          },
      .fields =
          {
              // name, {left, top, width, height}, background, maximum length, pointer, tooltip, tab
              {"Text1",
               {16, 0, 161, 19},
               Rgb(0xFFE0C0),
               kNoLimit,
               Pointer::Standard,
               "Въведете А",
               0},
              {"Text2",
               {16, 24, 161, 19},
               Rgb(0xC0FFFF),
               kNoLimit,
               Pointer::Standard,
               "Въведете В",
               1},
              {"Text3",
               {16, 48, 161, 19},
               Rgb(0xC0FFC0),
               kNoLimit,
               Pointer::Standard,
               "Въведете C",
               2},
              {"Text4",
               {16, 80, 161, 19},
               kHighlight3D,
               kNoLimit,
               Pointer::Standard,
               "Въведете V",
               3},
          },
      .labels =
          {
              // name, index, caption, {left, top, width, height}, font, tab
              {"Label1", 0, "A", {8, 0, 9, 17}, kWindowFont, 6},
              {"Label1", 2, "B", {8, 24, 17, 17}, kWindowFont, 8},
              {"Label1", 1, "C", {8, 48, 17, 17}, kWindowFont, 9},
              {"Label1", 3, "V", {8, 80, 17, 17}, kWindowFont, 10},
          },
      .lines =
          {
              // name, x1, y1, x2, y2, colour, dotted
              {"Line1", 184, 0, 240, 0, kDesktopBackground, false},
              {"Line2", 184, 72, 184, 0, kDesktopBackground, false},
              {"Line3", 240, 0, 240, 72, kDesktopBackground, true},
              {"Line4", 184, 72, 240, 72, kDesktopBackground, true},
              {"Line5", 184, 0, 200, 16, Rgb(0xFFE0C0), false},
              {"Line6", 184, 72, 200, 88, kDefault, false},
              {"Line7", 240, 0, 256, 16, kDefault, false},
              {"Line8", 240, 72, 256, 88, kDefault, true},
              {"Line9", 200, 88, 200, 16, Rgb(0xC0FFC0), false},
              {"Line10", 256, 88, 256, 16, kDefault, false},
              {"Line11", 200, 16, 256, 16, Rgb(0xC0FFFF), false},
              {"Line12", 200, 88, 256, 88, kDefault, false},
          },
  };
  return layout;
}

}  // namespace tavro::layout
