#include "ui/shell/window_registry.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <type_traits>

#include "modes/brackets/form6.h"
#include "modes/converter/form2.h"
#include "modes/solvers/form3.h"
#include "modes/solvers/form4.h"
#include "modes/solvers/form5.h"
#include "modes/standard/form1.h"
#include "ui/layout/accessible_text.h"
#include "ui/layout/form_layouts.h"

namespace tavro::shell {
namespace {

// A window's logic object; the converter is the one that reads the clipboard.
template <class Model>
std::unique_ptr<WindowModel> Create(DecimalSeparator separator,
                                    [[maybe_unused]] Clipboard& clipboard) {
  if constexpr (std::is_constructible_v<Model, DecimalSeparator, Clipboard&>) {
    return std::make_unique<Model>(separator, clipboard);
  } else {
    return std::make_unique<Model>(separator);
  }
}

constexpr NavigationAction kNone{NavigationKind::None, {}};
constexpr NavigationAction kHelp{NavigationKind::OpenHelp, {}};
constexpr NavigationAction kEnd{NavigationKind::End, {}};
constexpr NavigationAction SwitchTo(WindowId window) { return {NavigationKind::SwitchTo, window}; }

// The menus, by the handlers of their entries: the menu-bar entry first, then
// the drop-down in order, the Help entry where there is one, and the Exit
// button last. Every mode's menu leads to the four other modes.

// Standard.
constexpr std::array<NavigationEntry, 7> kForm1Menu = {{
    {"main_Click", kNone},
    {"f4_Click", SwitchTo(WindowId::Form6)},
    {"f2_Click", SwitchTo(WindowId::Form3)},
    {"f1_Click", SwitchTo(WindowId::Form2)},
    {"f3_Click", SwitchTo(WindowId::Form4)},
    {"ex_Click", kEnd},
    {"Command9_Click", kEnd},
}};

// Converter.
constexpr std::array<NavigationEntry, 7> kForm2Menu = {{
    {"main_Click", kNone},
    {"f4_Click", SwitchTo(WindowId::Form6)},
    {"f2_Click", SwitchTo(WindowId::Form3)},
    {"at_Click", SwitchTo(WindowId::Form1)},
    {"f3_Click", SwitchTo(WindowId::Form4)},
    {"ex_Click", kEnd},
    {"exit_Click", kEnd},
}};

// Triangle, with its Help entry.
constexpr std::array<NavigationEntry, 8> kForm3Menu = {{
    {"main_Click", kNone},
    {"f4_Click", SwitchTo(WindowId::Form6)},
    {"f2_Click", SwitchTo(WindowId::Form2)},
    {"w_Click", SwitchTo(WindowId::Form1)},
    {"f3_Click", SwitchTo(WindowId::Form4)},
    {"ex_Click", kEnd},
    {"help2_Click", kHelp},
    {"Command4_Click", kEnd},
}};

// Parallelepiped, with its Help entry. The same control names as in the
// other windows lead elsewhere here.
constexpr std::array<NavigationEntry, 8> kForm4Menu = {{
    {"eg_Click", kNone},
    {"f4_Click", SwitchTo(WindowId::Form6)},
    {"f2_Click", SwitchTo(WindowId::Form1)},
    {"f1_Click", SwitchTo(WindowId::Form3)},
    {"f3_Click", SwitchTo(WindowId::Form2)},
    {"ed_Click", kEnd},
    {"help1_Click", kHelp},
    {"Command4_Click", kEnd},
}};

// Brackets.
constexpr std::array<NavigationEntry, 7> kForm6Menu = {{
    {"fg_Click", kNone},
    {"df_Click", SwitchTo(WindowId::Form2)},
    {"t4_Click", SwitchTo(WindowId::Form4)},
    {"fgt_Click", SwitchTo(WindowId::Form3)},
    {"er_Click", SwitchTo(WindowId::Form1)},
    {"wer_Click", kEnd},
    {"Command5_Click", kEnd},
}};

// The program's windows, one row each (see WindowRow). A screen reader is
// told a window's title; the untitled Form4 is told the caption of the menu
// entries that switch to it, "Paralelepiped".
constexpr std::array<WindowRow, 6> kWindows = {{
    // id, name, layout, logic object, menu
    {WindowId::Form1, "Form1", &layout::Form1Layout, &Create<Form1>, kForm1Menu},  // Standard
    {WindowId::Form2, "Form2", &layout::Form2Layout, &Create<Form2>, kForm2Menu},  // Converter
    {WindowId::Form3, "Form3", &layout::Form3Layout, &Create<Form3>, kForm3Menu},  // Triangle
    {WindowId::Form4, "Form4", &layout::Form4Layout, &Create<Form4>, kForm4Menu},  // Parallelepiped
    {WindowId::Form5, "Form5", &layout::Form5Layout, &Create<Form5>, {}},          // Help
    {WindowId::Form6, "Form6", &layout::Form6Layout, &Create<Form6>, kForm6Menu},  // Brackets
}};

}  // namespace

std::span<const WindowRow> Windows() { return kWindows; }

const WindowRow& RowOf(WindowId window) {
  const auto found = std::find_if(kWindows.begin(), kWindows.end(),
                                  [window](const WindowRow& row) { return row.id == window; });
  if (found == kWindows.end()) throw std::logic_error("no row for a window of the program");
  return *found;
}

const WindowRow* FindRow(std::string_view window) {
  const auto found = std::find_if(kWindows.begin(), kWindows.end(),
                                  [window](const WindowRow& row) { return row.name == window; });
  return found == kWindows.end() ? nullptr : &*found;
}

const NavigationAction* WindowRow::NavigationOf(std::string_view handler) const {
  const auto found =
      std::find_if(menu.begin(), menu.end(),
                   [handler](const NavigationEntry& entry) { return entry.handler == handler; });
  return found == menu.end() ? nullptr : &found->action;
}

std::vector<std::string_view> MenuCaptionsSwitchingTo(WindowId window) {
  std::vector<std::string_view> captions;
  for (const WindowRow& other : kWindows) {
    for (const NavigationEntry& entry : other.menu) {
      if (entry.action.kind != NavigationKind::SwitchTo || entry.action.target != window) continue;
      for (const layout::MenuBarEntry& top : other.layout().menu_bar)
        for (const layout::MenuEntry& menu_entry : top.entries)
          if (layout::HandlerOf(menu_entry.name) == entry.handler)
            captions.push_back(menu_entry.caption);
    }
  }
  return captions;
}

std::string AccessibleNameOf(const WindowRow& window) {
  return layout::AccessibleNameOf(window.layout(), MenuCaptionsSwitchingTo(window.id));
}

}  // namespace tavro::shell
