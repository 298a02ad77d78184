#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/window_model.h"
#include "ui/layout/window_layout.h"

namespace tavro::web {

using emscripten::val;

// The visible part of one open window, built from its layout: a framed box
// with a title bar, the menu bar and the client area, in which every control
// stands at its layout's position in CSS pixels. Every control has the id
// "<window>-<control>" ("Form1-Text1", "Form6-Label1-90" for a label with an
// index), and every element the user can act on says what it does
// (data-action, data-window, data-control), which the page's start script
// hands to the program.
class WindowView {
 public:
  WindowView(const layout::WindowLayout& layout, WindowModel& model,
             std::string_view accessible_name);
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  const layout::WindowLayout& layout() const { return layout_; }
  WindowModel& model() { return model_; }
  val& box() { return box_; }

  // Shows every field's text as the model holds it.
  void ShowFields();
  // The ids of the controls that take the focus, in tab order.
  const std::vector<std::string>& FocusOrder() const { return focus_order_; }
  // Moves the focus forwards or backwards in tab order, wrapping; from
  // outside the window, to its first (last) control.
  void MoveFocus(bool forwards);
  void FocusFirst();

  // The menu-bar entry with this access key ('O'), or nullptr.
  const layout::MenuBarEntry* MenuByKey(char key) const;
  // The open drop-down, or nullptr.
  const layout::MenuBarEntry* OpenMenu() const { return open_menu_; }
  // Opens this drop-down (nullptr closes the open one). A drop-down that
  // closes while it has the focus (Escape, an entry chosen) gives the focus
  // back to the control that had it before the menu opened.
  void ShowMenu(const layout::MenuBarEntry* entry);
  // The entry of the open drop-down with this access key, or nullptr.
  const layout::MenuEntry* EntryByKey(char key) const;

  void SetMinimised(bool minimised);
  bool Minimised() const { return minimised_; }

 private:
  struct Built;
  // The window's element with this id, also before the window is in the page.
  val Element(std::string_view id) const;
  void BuildTitleBar(Built& built, std::string_view accessible_name) const;
  void BuildMenuBar(Built& built);
  void BuildControls(Built& built);

  const layout::WindowLayout& layout_;
  WindowModel& model_;
  val box_ = val::null();
  val body_ = val::null();  // the menu bar and client area, hidden when minimised
  std::vector<std::string> focus_order_;
  std::vector<const layout::MenuBarEntry*> menus_;  // the entries with a drop-down
  std::vector<std::pair<const layout::MenuBarEntry*, char>> menu_keys_;
  std::vector<std::pair<const layout::MenuEntry*, char>> entry_keys_;
  const layout::MenuBarEntry* open_menu_ = nullptr;
  val focus_before_menu_ = val::null();
  bool minimised_ = false;
};

// "Form6-Label1-90", "Form1-Text1".
std::string ElementIdOf(std::string_view window, std::string_view control);

}  // namespace tavro::web
