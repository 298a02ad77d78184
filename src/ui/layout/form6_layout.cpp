#include "ui/layout/form_layouts.h"
#include "ui/layout/layout_shorthand.h"

namespace tavro::layout {
namespace {

// Every label of the window: the brackets and equals signs.
constexpr Font kLabelFont{"MS Sans Serif", 9.75, true};

}  // namespace

// The Brackets window: row 1 reads "(" Text1 Text2 Text3 ")" Text4 Text5 "="
// Text6 and row 2 reads "(" Text7 Text8 Text9 ")" Text10 "(" Text11 Text12
// Text13 ")" "=" Text14; each row has its own ANSWER and CE button. The five
// operator fields hold one character each. The tab indices run from the bottom
// right to the top left, so the EXIT button has the focus when the window
// opens. The label indices only tell the labels apart. The ")" and "=" labels
// of row 2 overlap by nine pixels.
const WindowLayout& Form6Layout() {
  static const WindowLayout layout{
      .name = "Form6",
      .title = "Brackets",
      .client_width = 548,
      .client_height = 89,
      .background = kDefault,
      .minimise_button = true,
      .start = StartPosition::ChosenByWindowSystem,
      .menu_bar =
          {
              {"fg",
               "&Options",
               {
                   // name, caption, shortcut
                   {"df", "&Functional", ""},
                   {"t4", "&Paralelepiped", "Ctrl+P"},
                   {"fgt", "&Triangle", "Ctrl+T"},
                   {"er", "&Stadart", "Ctrl+S"},
                   {"wer", "&Exit", "Ctrl+E"},
               }},
          },
      .buttons =
          {
              // name, caption, {left, top, width, height}, background, picture, tooltip, tab
              {"Command1", "ANSWER", {8, 24, 361, 17}, Rgb(0xC0C0C0), Picture::None, "", 13},
              {"Command3", "CE", {368, 24, 177, 17}, kDefault, Picture::None, "", 2},
              {"Command2", "ANSWER", {8, 72, 193, 17}, Rgb(0xC0C0C0), Picture::None, "", 3},
              {"Command4", "CE", {200, 72, 177, 17}, kDefault, Picture::None, "", 1},
              {"Command5", "EXIT", {376, 72, 169, 17}, kDefault, Picture::None, "", 0},
          },
      .fields =
          {
              // name, {left, top, width, height}, background, maximum length, pointer, tooltip, tab
              {"Text1", {8, 0, 97, 19}, kDefault, kNoLimit, Pointer::Standard, "", 18},
              {"Text2", {104, 0, 17, 19}, kDefault, 1, Pointer::Standard, "", 17},
              {"Text3", {120, 0, 97, 19}, kDefault, kNoLimit, Pointer::Standard, "", 16},
              {"Text4", {232, 0, 17, 19}, kDefault, 1, Pointer::Standard, "", 15},
              {"Text5", {256, 0, 121, 19}, kDefault, kNoLimit, Pointer::Standard, "", 14},
              {"Text6", {400, 0, 145, 19}, kDefault, kNoLimit, Pointer::Standard, "", 12},
              {"Text7", {8, 48, 81, 19}, kDefault, kNoLimit, Pointer::Standard, "", 11},
              {"Text8", {88, 48, 17, 19}, kDefault, 1, Pointer::Standard, "", 10},
              {"Text9", {104, 48, 81, 19}, kDefault, kNoLimit, Pointer::Standard, "", 9},
              {"Text10", {200, 48, 17, 19}, kDefault, 1, Pointer::Standard, "", 8},
              {"Text11", {224, 48, 81, 19}, kDefault, kNoLimit, Pointer::Standard, "", 7},
              {"Text12", {304, 48, 17, 19}, kDefault, 1, Pointer::Standard, "", 6},
              {"Text13", {320, 48, 81, 19}, kDefault, kNoLimit, Pointer::Standard, "", 5},
              {"Text14", {424, 48, 121, 19}, kDefault, kNoLimit, Pointer::Standard, "", 4},
          },
      .labels =
          {
              // name, index, caption, {left, top, width, height}, font, tab
              {"Label1", 0, "(", {0, 0, 17, 33}, kLabelFont, 26},
              {"Label1", 90, ")", {224, 0, 17, 33}, kLabelFont, 25},
              {"Label1", 2, "=", {384, 0, 17, 17}, kLabelFont, 24},
              {"Label1", 3, "(", {0, 48, 17, 33}, kLabelFont, 23},
              {"Label1", 98, ")", {192, 48, 17, 33}, kLabelFont, 22},
              {"Label1", 5, "(", {216, 48, 17, 33}, kLabelFont, 21},
              {"Label1", 7, ")", {408, 48, 17, 33}, kLabelFont, 20},
              {"Label1", 6, "=", {416, 48, 17, 17}, kLabelFont, 19},
          },
      .lines = {},
  };
  return layout;
}

}  // namespace tavro::layout
