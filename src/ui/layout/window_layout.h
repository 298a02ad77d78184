#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavro::layout {

// Positions and sizes are pixels at 96 dots per inch, from the top-left corner
// of the window's client area (inside the border, below the menu bar); at
// another resolution they scale in proportion. Font sizes are in points.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Colours that follow the user's colour scheme.
enum class SystemColour {
  TooltipBackground,
  Highlight3D,
  DesktopBackground,
};

// A colour: the control's default, a fixed #RRGGBB value, or a system role.
struct Colour {
  enum class Kind { Default, Rgb, System };
  Kind kind = Kind::Default;
  std::uint32_t rgb = 0;  // 0xRRGGBB when kind is Rgb
  SystemColour role = SystemColour::TooltipBackground;

  static constexpr Colour Default() { return {}; }
  static constexpr Colour Rgb(std::uint32_t value) { return {Kind::Rgb, value, {}}; }
  static constexpr Colour System(SystemColour role) { return {Kind::System, 0, role}; }
  friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

struct Font {
  std::string_view family;
  double points = 0;
  bool cyrillic_charset = false;
};

enum class Picture { None, Plus, Minus, Multiply, Divide };
enum class Pointer { Standard, Pencil };

struct Button {
  std::string_view name;
  std::string_view caption;  // empty for a picture button
  Rect rect;
  Colour background;
  Picture picture = Picture::None;
  std::string_view tooltip;  // empty: none
  int tab_index = 0;
};

struct Field {
  std::string_view name;
  Rect rect;
  Colour background;
  std::optional<int> max_length;  // characters; none: unlimited
  Pointer pointer = Pointer::Standard;
  std::string_view tooltip;  // empty: none
  int tab_index = 0;
};

// Labels and lines lie beneath fields and buttons, take no focus and no click.
struct Label {
  std::string_view name;  // every label of a window is "Label1"
  int index = 0;          // tells labels of the same name apart
  std::string_view caption;
  Rect rect;
  std::optional<Font> font;
  int tab_index = 0;
};

struct Line {
  std::string_view name;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Colour colour;  // Default: the system's window-text colour
  bool dotted = false;
};

struct MenuEntry {
  std::string_view name;
  std::string_view caption;   // "&" marks the access key
  std::string_view shortcut;  // "Ctrl+B", or empty for none
};

// A menu-bar entry with a drop-down, or (with no entries) one that acts at
// once when chosen.
struct MenuBarEntry {
  std::string_view name;
  std::string_view caption;
  std::vector<MenuEntry> entries;
};

enum class StartPosition { CentreOfScreen, ChosenByWindowSystem };

struct WindowLayout {
  std::string_view name;  // "Form1" ... "Form6"
  std::string_view title;
  int client_width = 0;
  int client_height = 0;
  Colour background;  // Default: the system's window background
  bool minimise_button = true;
  StartPosition start = StartPosition::CentreOfScreen;
  std::vector<MenuBarEntry> menu_bar;
  std::vector<Button> buttons;
  std::vector<Field> fields;
  std::vector<Label> labels;
  std::vector<Line> lines;
};

// The name of the operation a control's click runs: "Command1" -> "Command1_Click".
std::string HandlerOf(std::string_view control_name);

}  // namespace tavro::layout
