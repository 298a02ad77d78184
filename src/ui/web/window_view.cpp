#include "ui/web/window_view.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "ui/layout/accessible_text.h"
#include "ui/shell/shell.h"
#include "ui/web/dom.h"

namespace tavro::web {
namespace {

// The pictures of the operator buttons, as the site holds them.
std::string_view PictureFile(layout::Picture picture) {
  switch (picture) {
    case layout::Picture::Plus:
      return "plus";
    case layout::Picture::Minus:
      return "minus";
    case layout::Picture::Multiply:
      return "multiply";
    case layout::Picture::Divide:
      return "divide";
    case layout::Picture::None:
      break;
  }
  return {};
}

void Place(val& element, const layout::Rect& rect) {
  SetStyle(element, "left", Px(rect.left));
  SetStyle(element, "top", Px(rect.top));
  SetStyle(element, "width", Px(rect.width));
  SetStyle(element, "height", Px(rect.height));
}

// A control of its own colour keeps it under every colour scheme, with ink
// that reads on it; the others take the scheme's.
void Colour(val& element, const layout::Colour& colour, std::string_view class_name) {
  std::string classes(class_name);
  if (colour.kind != layout::Colour::Kind::Default) {
    SetStyle(element, "background-color", CssColourOf(colour, {}));
    classes += colour.kind == layout::Colour::Kind::Rgb ||
                       colour.role == layout::SystemColour::TooltipBackground
                   ? " coloured"
                   : "";
  }
  element.set("className", classes);
}

void Describe(val& element, const layout::AccessibleText& text, std::string_view tooltip) {
  SetAttribute(element, "aria-label", text.name);
  if (!tooltip.empty()) SetAttribute(element, "title", tooltip);
  if (!text.description.empty() && text.description != tooltip && text.description != text.name)
    SetAttribute(element, "aria-description", text.description);
}

void Tag(val& element, std::string_view action, std::string_view window, std::string_view control) {
  SetAttribute(element, "data-action", action);
  SetAttribute(element, "data-window", window);
  if (!control.empty()) SetAttribute(element, "data-control", control);
}

// "Ctrl+B" as aria-keyshortcuts has it: "Control+B".
std::string KeyShortcutsOf(std::string_view shortcut) {
  constexpr std::string_view kCtrl = "Ctrl+";
  if (shortcut.substr(0, kCtrl.size()) == kCtrl)
    return "Control+" + std::string(shortcut.substr(kCtrl.size()));
  return std::string(shortcut);
}

}  // namespace

std::string ElementIdOf(std::string_view window, std::string_view control) {
  return std::string(window) + "-" + std::string(control);
}

WindowView::WindowView(const layout::WindowLayout& layout, WindowModel& model,
                       std::string_view accessible_name)
    : layout_(layout), model_(model), box_(Create("section", layout.name, "window")) {
  SetAttribute(box_, "role", "dialog");
  SetAttribute(box_, "aria-label", accessible_name);
  SetAttribute(box_, "data-window", layout.name);
  SetAttribute(box_, "tabindex", "-1");
  BuildTitleBar(accessible_name);
  body_ = Create("div", {}, "body");
  BuildMenuBar();
  val client = Create("div", ElementIdOf(layout.name, "client"), "client");
  SetStyle(client, "width", Px(layout.client_width));
  SetStyle(client, "height", Px(layout.client_height));
  if (layout.background.kind != layout::Colour::Kind::Default) {
    SetStyle(client, "background-color", CssColourOf(layout.background, {}));
    client.set("className", std::string("client coloured"));
  }
  BuildControls(client);
  Append(body_, client);
  Append(box_, body_);
  // A window with nothing to focus and no menu (Help) is read whole when it
  // opens: its labels are its message.
  if (layout::ReadWholeWhenOpened(layout) && !layout.labels.empty()) {
    SetAttribute(box_, "role", "alertdialog");
    val first = client["firstElementChild"];
    if (!first.isNull()) SetAttribute(box_, "aria-describedby", first["id"].as<std::string>());
  }
}

void WindowView::BuildTitleBar(std::string_view accessible_name) {
  val bar = Create("div", ElementIdOf(layout_.name, "title-bar"), "title-bar");
  Tag(bar, "activate", layout_.name, {});
  val icon = Create("img", {}, "icon");
  SetAttribute(icon, "src", "pictures/icon-16.png");
  SetAttribute(icon, "srcset", "pictures/icon-32.png 2x");
  SetAttribute(icon, "alt", "");
  Append(bar, icon);
  val title = Create("span", {}, "title");
  SetText(title, layout_.title);
  SetAttribute(title, "aria-hidden", "true");
  Append(bar, title);
  // The title bar's buttons, out of the tab order as on the desktop: what
  // each does is its action and class ("close"), its tooltip ("Close") and,
  // with the window's name, what a screen reader says.
  const auto add_button = [&](std::string_view action, std::string_view tooltip) {
    val button = Create("button", ElementIdOf(layout_.name, action), action);
    SetAttribute(button, "type", "button");
    SetAttribute(button, "tabindex", "-1");
    Tag(button, action, layout_.name, {});
    SetAttribute(button, "aria-label", std::string(tooltip) + " " + std::string(accessible_name));
    SetAttribute(button, "title", tooltip);
    Append(bar, button);
  };
  if (layout_.minimise_button) add_button("minimise", "Minimise");
  add_button("close", "Close");
  Append(box_, bar);
}

void WindowView::BuildMenuBar() {
  if (layout_.menu_bar.empty()) return;
  val bar = Create("div", ElementIdOf(layout_.name, "menu-bar"), "menu-bar");
  SetAttribute(bar, "role", "menubar");
  for (const layout::MenuBarEntry& entry : layout_.menu_bar) {
    val title = Create("button", ElementIdOf(layout_.name, entry.name), "menu-title");
    SetAttribute(title, "type", "button");
    SetAttribute(title, "role", "menuitem");
    SetAttribute(title, "tabindex", "-1");
    Tag(title, entry.entries.empty() ? "run" : "menu", layout_.name, entry.name);
    const char key = AppendCaption(title, entry.caption);
    if (key != 0) {
      menu_keys_.emplace_back(&entry, key);
      SetAttribute(title, "aria-keyshortcuts", std::string("Alt+") + key);
    }
    Append(bar, title);
    if (entry.entries.empty()) continue;
    SetAttribute(title, "aria-haspopup", "menu");
    SetAttribute(title, "aria-expanded", "false");
    val menu = Create("div", ElementIdOf(layout_.name, std::string(entry.name) + "-menu"), "menu");
    SetAttribute(menu, "role", "menu");
    SetAttribute(menu, "aria-label", layout::WithoutAccessKey(entry.caption));
    menu.set("hidden", true);
    for (const layout::MenuEntry& item : entry.entries) {
      val button = Create("button", ElementIdOf(layout_.name, item.name), "menu-entry");
      SetAttribute(button, "type", "button");
      SetAttribute(button, "role", "menuitem");
      SetAttribute(button, "tabindex", "-1");
      Tag(button, "run", layout_.name, item.name);
      val caption = Create("span", {}, "caption");
      const char item_key = AppendCaption(caption, item.caption);
      if (item_key != 0) entry_keys_.emplace_back(&item, item_key);
      Append(button, caption);
      val shortcut = Create("span", {}, "shortcut");
      SetText(shortcut, item.shortcut);
      Append(button, shortcut);
      if (!item.shortcut.empty())
        SetAttribute(button, "aria-keyshortcuts", KeyShortcutsOf(item.shortcut));
      Append(menu, button);
    }
    menus_.emplace_back(&entry, menu);
    Append(bar, menu);
  }
  Append(body_, bar);
}

void WindowView::BuildControls(val& client) {
  const std::string_view window = layout_.name;
  // Lines and labels lie beneath fields and buttons.
  if (!layout_.lines.empty()) {
    val drawing = CreateSvg("svg");
    SetAttribute(drawing, "class", "drawing");
    SetAttribute(drawing, "aria-hidden", "true");
    SetAttribute(drawing, "width", std::to_string(layout_.client_width));
    SetAttribute(drawing, "height", std::to_string(layout_.client_height));
    for (const layout::Line& line : layout_.lines) {
      val element = CreateSvg("line");
      SetAttribute(element, "id", ElementIdOf(window, line.name));
      // Through the middle of the pixels, so that a one-pixel line stays whole.
      SetAttribute(element, "x1", std::to_string(line.x1) + ".5");
      SetAttribute(element, "y1", std::to_string(line.y1) + ".5");
      SetAttribute(element, "x2", std::to_string(line.x2) + ".5");
      SetAttribute(element, "y2", std::to_string(line.y2) + ".5");
      SetAttribute(element, "stroke", CssColourOf(line.colour, "var(--window-text)"));
      if (line.dotted) SetAttribute(element, "stroke-dasharray", "1 1");
      Append(drawing, element);
    }
    Append(client, drawing);
  }
  for (const layout::Label& label : layout_.labels) {
    const bool several =
        std::count_if(layout_.labels.begin(), layout_.labels.end(),
                      [&](const layout::Label& other) { return other.name == label.name; }) > 1;
    const std::string id =
        several ? ElementIdOf(window, std::string(label.name) + "-" + std::to_string(label.index))
                : ElementIdOf(window, label.name);
    val element = Create("label", id, "label");
    Place(element, label.rect);
    SetText(element, label.caption);
    if (label.font) {
      SetStyle(element, "font-size", std::to_string(label.font->points) + "pt");
      element.set("className", std::string("label sans"));
    }
    if (const layout::Field* field = layout::FieldNamedBy(layout_, label))
      SetAttribute(element, "for", ElementIdOf(window, field->name));
    Append(client, element);
  }

  struct Focusable {
    int tab_index;
    val element;
  };
  std::vector<Focusable> focusable;
  for (const layout::Field& field : layout_.fields) {
    val input = Create("input", ElementIdOf(window, field.name));
    SetAttribute(input, "type", "text");
    Colour(input, field.background,
           field.pointer == layout::Pointer::Pencil ? "field pencil" : "field");
    Place(input, field.rect);
    Tag(input, "type", window, field.name);
    if (field.max_length) SetAttribute(input, "maxlength", std::to_string(*field.max_length));
    SetAttribute(input, "autocomplete", "off");
    SetAttribute(input, "spellcheck", "false");
    SetAttribute(input, "autocapitalize", "off");
    Describe(input, layout::AccessibleTextOf(layout_, field), field.tooltip);
    Append(client, input);
    focusable.push_back({field.tab_index, input});
  }
  for (const layout::Button& button : layout_.buttons) {
    val element = Create("button", ElementIdOf(window, button.name));
    SetAttribute(element, "type", "button");
    Colour(element, button.background, "button");
    Place(element, button.rect);
    const bool paste = shell::ReadsClipboard(window, layout::HandlerOf(button.name));
    Tag(element, paste ? "paste" : "run", window, button.name);
    if (button.picture != layout::Picture::None) {
      const std::string file = "pictures/" + std::string(PictureFile(button.picture));
      val picture = Create("img");
      SetAttribute(picture, "src", file + ".png");
      SetAttribute(picture, "srcset", file + "@2x.png 2x");
      SetAttribute(picture, "alt", "");
      SetAttribute(picture, "width", "32");
      SetAttribute(picture, "height", "32");
      Append(element, picture);
    } else {
      AppendCaption(element, button.caption);
    }
    Describe(element, layout::AccessibleTextOf(layout_, button), button.tooltip);
    Append(client, element);
    focusable.push_back({button.tab_index, element});
  }
  std::stable_sort(focusable.begin(), focusable.end(), [](const Focusable& a, const Focusable& b) {
    return a.tab_index < b.tab_index;
  });
  for (Focusable& item : focusable) focus_order_.push_back(item.element);
}

void WindowView::ShowFields() {
  for (const TextField& field : model_.fields()) {
    val input = box_.call<val>("querySelector", "#" + ElementIdOf(layout_.name, field.name()));
    if (input.isNull()) continue;
    if (input["value"].as<std::string>() != field.text()) input.set("value", field.text());
  }
}

void WindowView::FocusFirst() {
  if (!focus_order_.empty()) focus_order_.front().call<void>("focus");
}

void WindowView::MoveFocus(bool forwards) {
  if (focus_order_.empty()) return;
  const val active = Document()["activeElement"];
  const auto count = static_cast<int>(focus_order_.size());
  int at = -1;
  for (int i = 0; i < count; ++i) {
    if (focus_order_[i].strictlyEquals(active)) at = i;
  }
  const int next = at < 0 ? (forwards ? 0 : count - 1) : (at + (forwards ? 1 : count - 1)) % count;
  focus_order_[next].call<void>("focus");
}

const layout::MenuBarEntry* WindowView::MenuByKey(char key) const {
  for (const auto& [entry, entry_key] : menu_keys_) {
    if (entry_key == key) return entry;
  }
  return nullptr;
}

const layout::MenuEntry* WindowView::EntryByKey(char key) const {
  if (open_menu_ == nullptr) return nullptr;
  for (const auto& [entry, entry_key] : entry_keys_) {
    const bool in_menu = entry >= open_menu_->entries.data() &&
                         entry < open_menu_->entries.data() + open_menu_->entries.size();
    if (in_menu && entry_key == key) return entry;
  }
  return nullptr;
}

void WindowView::ShowMenu(const layout::MenuBarEntry* shown) {
  const val active = Document()["activeElement"];
  bool focus_in_menu = false;
  for (auto& [entry, menu] : menus_)
    focus_in_menu = focus_in_menu || menu.call<bool>("contains", active);
  if (open_menu_ == nullptr && shown != nullptr) {
    // Not a menu title: a click on one has just focused it.
    const bool in_window = box_.call<bool>("contains", active) &&
                           active.call<val>("closest", std::string(".menu-bar")).isNull();
    focus_before_menu_ = in_window ? active : val::null();
  }
  open_menu_ = shown;
  for (auto& [entry, menu] : menus_) {
    const bool open = entry == shown;
    menu.set("hidden", !open);
    val title = box_.call<val>("querySelector", "#" + ElementIdOf(layout_.name, entry->name));
    SetAttribute(title, "aria-expanded", open ? "true" : "false");
    if (open) {
      SetStyle(menu, "left", Px(title["offsetLeft"].as<int>()));
      val first = menu["firstElementChild"];
      if (!first.isNull()) first.call<void>("focus");
    }
  }
  if (shown == nullptr && focus_in_menu) {
    if (!focus_before_menu_.isNull() && box_.call<bool>("contains", focus_before_menu_)) {
      focus_before_menu_.call<void>("focus");
    } else {
      FocusFirst();
    }
    focus_before_menu_ = val::null();
  }
}

void WindowView::SetMinimised(bool minimised) {
  minimised_ = minimised;
  body_.set("hidden", minimised);
  if (minimised) ShowMenu(nullptr);
}

}  // namespace tavro::web
