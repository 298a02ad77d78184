#include "ui/shell/navigation.h"

#include <array>

namespace tavro::shell {
namespace {

constexpr NavigationAction kNone{NavigationKind::None, {}};
constexpr NavigationAction kHelp{NavigationKind::OpenHelp, {}};
constexpr NavigationAction kEnd{NavigationKind::End, {}};
constexpr NavigationAction SwitchTo(std::string_view window) {
  return {NavigationKind::SwitchTo, window};
}

// Standard: every mode but itself, and Exit.
constexpr std::array<NavigationEntry, 7> kForm1 = {{
    {"main_Click", kNone},
    {"f4_Click", SwitchTo("Form6")},
    {"f2_Click", SwitchTo("Form3")},
    {"f1_Click", SwitchTo("Form2")},
    {"f3_Click", SwitchTo("Form4")},
    {"ex_Click", kEnd},
    {"Command9_Click", kEnd},
}};

// Converter.
constexpr std::array<NavigationEntry, 7> kForm2 = {{
    {"main_Click", kNone},
    {"f4_Click", SwitchTo("Form6")},
    {"f2_Click", SwitchTo("Form3")},
    {"at_Click", SwitchTo("Form1")},
    {"f3_Click", SwitchTo("Form4")},
    {"ex_Click", kEnd},
    {"exit_Click", kEnd},
}};

// Triangle, with its Help entry.
constexpr std::array<NavigationEntry, 8> kForm3 = {{
    {"main_Click", kNone},
    {"f4_Click", SwitchTo("Form6")},
    {"f2_Click", SwitchTo("Form2")},
    {"w_Click", SwitchTo("Form1")},
    {"f3_Click", SwitchTo("Form4")},
    {"ex_Click", kEnd},
    {"help2_Click", kHelp},
    {"Command4_Click", kEnd},
}};

// Parallelepiped, with its Help entry. The same control names as in the
// other windows lead elsewhere here.
constexpr std::array<NavigationEntry, 8> kForm4 = {{
    {"eg_Click", kNone},
    {"f4_Click", SwitchTo("Form6")},
    {"f2_Click", SwitchTo("Form1")},
    {"f1_Click", SwitchTo("Form3")},
    {"f3_Click", SwitchTo("Form2")},
    {"ed_Click", kEnd},
    {"help1_Click", kHelp},
    {"Command4_Click", kEnd},
}};

// Brackets.
constexpr std::array<NavigationEntry, 7> kForm6 = {{
    {"fg_Click", kNone},
    {"df_Click", SwitchTo("Form2")},
    {"t4_Click", SwitchTo("Form4")},
    {"fgt_Click", SwitchTo("Form3")},
    {"er_Click", SwitchTo("Form1")},
    {"wer_Click", kEnd},
    {"Command5_Click", kEnd},
}};

}  // namespace

std::span<const NavigationEntry> NavigationOf(std::string_view window) {
  if (window == "Form1") return kForm1;
  if (window == "Form2") return kForm2;
  if (window == "Form3") return kForm3;
  if (window == "Form4") return kForm4;
  if (window == "Form6") return kForm6;
  return {};
}

std::optional<NavigationAction> FindNavigation(std::string_view window, std::string_view handler) {
  for (const NavigationEntry& entry : NavigationOf(window)) {
    if (entry.handler == handler) return entry.action;
  }
  return std::nullopt;
}

}  // namespace tavro::shell
