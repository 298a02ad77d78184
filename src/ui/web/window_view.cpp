#include "ui/web/window_view.h"

#include <algorithm>
#include <set>
#include <string>

#include "ui/layout/accessible_text.h"
#include "ui/web/dom.h"
#include "ui/web/pictures.h"

namespace tavro::web {
namespace {

// The layouts whose positions and colours the page's style sheets hold.
std::set<std::string_view>& LayoutsStyled() {
  static std::set<std::string_view> styled;
  return styled;
}

std::string PlaceOf(const layout::Rect& rect) {
  return "left:" + Px(rect.left) + ";top:" + Px(rect.top) + ";width:" + Px(rect.width) +
         ";height:" + Px(rect.height) + ";";
}

// A control of its own colour keeps it under every colour scheme, with ink
// that reads on it; the others take the scheme's. Returns the classes.
std::string Colour(const layout::Colour& colour, std::string_view class_name,
                   std::string& declarations) {
  std::string classes(class_name);
  if (colour.kind != layout::Colour::Kind::Default) {
    declarations += "background-color:" + CssColourOf(colour, {}) + ";";
    if (colour.kind == layout::Colour::Kind::Rgb ||
        colour.role == layout::SystemColour::TooltipBackground)
      classes += " coloured";
  }
  return classes;
}

void Describe(Markup& markup, const layout::AccessibleText& text, std::string_view tooltip) {
  markup.Attribute("aria-label", text.name);
  if (!tooltip.empty()) markup.Attribute("title", tooltip);
  if (!text.description.empty() && text.description != tooltip && text.description != text.name)
    markup.Attribute("aria-description", text.description);
}

void Tag(Markup& markup, std::string_view action, std::string_view window,
         std::string_view control) {
  markup.Attribute("data-action", action).Attribute("data-window", window);
  if (!control.empty()) markup.Attribute("data-control", control);
}

// A button out of the tab order, as the title bar's and the menus' are:
// "<button id class type tabindex" and what it does; attributes may follow.
void OpenBarButton(Markup& markup, std::string_view id, std::string_view class_name,
                   std::string_view action, std::string_view window, std::string_view control) {
  markup.Open("button")
      .Attribute("id", id)
      .Attribute("class", class_name)
      .Attribute("type", "button")
      .Attribute("tabindex", "-1");
  Tag(markup, action, window, control);
}

// "Ctrl+B" as aria-keyshortcuts has it: "Control+B".
std::string KeyShortcutsOf(std::string_view shortcut) {
  constexpr std::string_view kCtrl = "Ctrl+";
  if (shortcut.substr(0, kCtrl.size()) == kCtrl)
    return "Control+" + std::string(shortcut.substr(kCtrl.size()));
  return std::string(shortcut);
}

// "Form6-Label1-90" for one of several labels of a name, "Form5-Label1".
std::string LabelIdOf(const layout::WindowLayout& layout, const layout::Label& label) {
  const bool several =
      std::count_if(layout.labels.begin(), layout.labels.end(),
                    [&](const layout::Label& other) { return other.name == label.name; }) > 1;
  return several
             ? ElementIdOf(layout.name, std::string(label.name) + "-" + std::to_string(label.index))
             : ElementIdOf(layout.name, label.name);
}

}  // namespace

std::string ElementIdOf(std::string_view window, std::string_view control) {
  return std::string(window) + "-" + std::string(control);
}

// What the constructor writes: the window's markup and, the first time the
// layout is shown, the style rules of its controls' positions and colours
// (a page's Content-Security-Policy allows style sheets, not style
// attributes, and the rules serve every later opening).
struct WindowView::Built {
  Markup markup;
  bool styled = false;
  std::string sheet;

  // One style rule for the element with this id.
  void Rule(std::string_view id, std::string_view declarations) {
    if (styled) return;
    sheet += '#';
    sheet += id;
    sheet += '{';
    sheet += declarations;
    sheet += "}\n";
  }
};

WindowView::WindowView(const layout::WindowLayout& layout, WindowModel& model,
                       std::string_view accessible_name)
    : layout_(layout), model_(model) {
  Built built;
  built.styled = LayoutsStyled().count(layout.name) != 0;
  Markup& markup = built.markup;
  markup.Open("section")
      .Attribute("id", layout.name)
      .Attribute("class", "window")
      .Attribute("aria-label", accessible_name)
      .Attribute("data-window", layout.name)
      .Attribute("tabindex", "-1");
  // A window with nothing to focus and no menu (Help) is read whole when it
  // opens: its labels are its message.
  const bool read_whole = layout::ReadWholeWhenOpened(layout) && !layout.labels.empty();
  markup.Attribute("role", read_whole ? "alertdialog" : "dialog");
  // Its labels are read from the client area's first element.
  if (read_whole && layout.lines.empty())
    markup.Attribute("aria-describedby", LabelIdOf(layout, layout.labels.front()));
  markup.EndTag();
  BuildTitleBar(built, accessible_name);
  markup.Open("div").Attribute("class", "body").EndTag();
  BuildMenuBar(built);
  const std::string client_id = ElementIdOf(layout.name, "client");
  std::string declarations =
      "width:" + Px(layout.client_width) + ";height:" + Px(layout.client_height) + ";";
  std::string classes = "client";
  if (layout.background.kind != layout::Colour::Kind::Default) {
    declarations += "background-color:" + CssColourOf(layout.background, {}) + ";";
    classes += " coloured";
  }
  built.Rule(client_id, declarations);
  markup.Open("div").Attribute("id", client_id).Attribute("class", classes).EndTag();
  BuildControls(built);
  markup.Close("div").Close("div").Close("section");

  if (!built.styled) {
    val sheet = val::global("CSSStyleSheet").new_();
    sheet.call<void>("replaceSync", built.sheet);
    // A new list rather than push: browsers that keep the list as a frozen
    // array take only that.
    val document = Document();
    document.set("adoptedStyleSheets", document["adoptedStyleSheets"].call<val>("concat", sheet));
    LayoutsStyled().insert(layout.name);
  }
  box_ = ElementOf(markup.text());
  body_ = box_["lastElementChild"];
}

void WindowView::BuildTitleBar(Built& built, std::string_view accessible_name) const {
  Markup& markup = built.markup;
  markup.Open("div").Attribute("id", ElementIdOf(layout_.name, "title-bar"));
  markup.Attribute("class", "title-bar");
  Tag(markup, "activate", layout_.name, {});
  markup.EndTag();
  markup.Open("img")
      .Attribute("class", "icon")
      .Attribute("src", "pictures/icon-16.png")
      .Attribute("srcset", "pictures/icon-32.png 2x")
      .Attribute("alt", "")
      .EndTag();
  markup.Open("span").Attribute("class", "title").Attribute("aria-hidden", "true").EndTag();
  markup.Text(layout_.title).Close("span");
  // The title bar's buttons, out of the tab order as on the desktop: what
  // each does is its action and class ("close"), its tooltip ("Close") and,
  // with the window's name, what a screen reader says.
  const auto add_button = [&](std::string_view action, std::string_view tooltip) {
    OpenBarButton(markup, ElementIdOf(layout_.name, action), action, action, layout_.name, {});
    markup.Attribute("aria-label", std::string(tooltip) + " " + std::string(accessible_name))
        .Attribute("title", tooltip)
        .EndTag()
        .Close("button");
  };
  if (layout_.minimise_button) add_button("minimise", "Minimise");
  add_button("close", "Close");
  markup.Close("div");
}

void WindowView::BuildMenuBar(Built& built) {
  if (layout_.menu_bar.empty()) return;
  Markup& markup = built.markup;
  markup.Open("div")
      .Attribute("id", ElementIdOf(layout_.name, "menu-bar"))
      .Attribute("class", "menu-bar")
      .Attribute("role", "menubar")
      .EndTag();
  for (const layout::MenuBarEntry& entry : layout_.menu_bar) {
    const bool drops_down = !entry.entries.empty();
    OpenBarButton(markup, ElementIdOf(layout_.name, entry.name), "menu-title",
                  drops_down ? "menu" : "run", layout_.name, entry.name);
    markup.Attribute("role", "menuitem");
    Markup caption;
    const char key = caption.Caption(entry.caption);
    if (key != 0) {
      menu_keys_.emplace_back(&entry, key);
      markup.Attribute("aria-keyshortcuts", std::string("Alt+") + key);
    }
    if (drops_down) markup.Attribute("aria-haspopup", "menu").Attribute("aria-expanded", "false");
    markup.EndTag().Verbatim(caption.text()).Close("button");
    if (!drops_down) continue;
    markup.Open("div")
        .Attribute("id", ElementIdOf(layout_.name, std::string(entry.name) + "-menu"))
        .Attribute("class", "menu")
        .Attribute("role", "menu")
        .Attribute("aria-label", layout::WithoutAccessKey(entry.caption))
        .Flag("hidden")
        .EndTag();
    for (const layout::MenuEntry& item : entry.entries) {
      OpenBarButton(markup, ElementIdOf(layout_.name, item.name), "menu-entry", "run", layout_.name,
                    item.name);
      markup.Attribute("role", "menuitem");
      if (!item.shortcut.empty())
        markup.Attribute("aria-keyshortcuts", KeyShortcutsOf(item.shortcut));
      markup.EndTag();
      markup.Open("span").Attribute("class", "caption").EndTag();
      const char item_key = markup.Caption(item.caption);
      if (item_key != 0) entry_keys_.emplace_back(&item, item_key);
      markup.Close("span");
      markup.Open("span").Attribute("class", "shortcut").EndTag().Text(item.shortcut);
      markup.Close("span").Close("button");
    }
    menus_.push_back(&entry);
    markup.Close("div");
  }
  markup.Close("div");
}

void WindowView::BuildControls(Built& built) {
  Markup& markup = built.markup;
  const std::string_view window = layout_.name;
  // Lines and labels lie beneath fields and buttons.
  if (!layout_.lines.empty()) {
    markup.Open("svg")
        .Attribute("class", "drawing")
        .Attribute("aria-hidden", "true")
        .Attribute("width", std::to_string(layout_.client_width))
        .Attribute("height", std::to_string(layout_.client_height))
        .EndTag();
    for (const layout::Line& line : layout_.lines) {
      // Through the middle of the pixels, so that a one-pixel line stays whole.
      markup.Open("line")
          .Attribute("id", ElementIdOf(window, line.name))
          .Attribute("x1", std::to_string(line.x1) + ".5")
          .Attribute("y1", std::to_string(line.y1) + ".5")
          .Attribute("x2", std::to_string(line.x2) + ".5")
          .Attribute("y2", std::to_string(line.y2) + ".5")
          .Attribute("stroke", CssColourOf(line.colour, "var(--window-text)"));
      if (line.dotted) markup.Attribute("stroke-dasharray", "1 1");
      markup.SelfClose();
    }
    markup.Close("svg");
  }
  for (const layout::Label& label : layout_.labels) {
    const std::string id = LabelIdOf(layout_, label);
    std::string declarations = PlaceOf(label.rect);
    if (label.font) declarations += "font-size:" + std::to_string(label.font->points) + "pt;";
    built.Rule(id, declarations);
    markup.Open("label").Attribute("id", id).Attribute("class",
                                                       label.font ? "label sans" : "label");
    if (const layout::Field* field = layout::FieldNamedBy(layout_, label))
      markup.Attribute("for", ElementIdOf(window, field->name));
    markup.EndTag().Text(label.caption).Close("label");
  }

  struct Focusable {
    int tab_index;
    std::string id;
  };
  std::vector<Focusable> focusable;
  for (const layout::Field& field : layout_.fields) {
    const std::string id = ElementIdOf(window, field.name);
    std::string declarations = PlaceOf(field.rect);
    const std::string classes =
        Colour(field.background,
               field.pointer == layout::Pointer::Pencil ? "field pencil" : "field", declarations);
    built.Rule(id, declarations);
    markup.Open("input").Attribute("id", id).Attribute("type", "text").Attribute("class", classes);
    Tag(markup, "type", window, field.name);
    if (field.max_length) markup.Attribute("maxlength", std::to_string(*field.max_length));
    markup.Attribute("autocomplete", "off")
        .Attribute("spellcheck", "false")
        .Attribute("autocapitalize", "off");
    Describe(markup, layout::AccessibleTextOf(layout_, field), field.tooltip);
    markup.EndTag();
    focusable.push_back({field.tab_index, id});
  }
  for (const layout::Button& button : layout_.buttons) {
    const std::string id = ElementIdOf(window, button.name);
    std::string declarations = PlaceOf(button.rect);
    const std::string classes = Colour(button.background, "button", declarations);
    built.Rule(id, declarations);
    markup.Open("button")
        .Attribute("id", id)
        .Attribute("type", "button")
        .Attribute("class", classes);
    Tag(markup, "run", window, button.name);
    Describe(markup, layout::AccessibleTextOf(layout_, button), button.tooltip);
    markup.EndTag();
    if (button.picture != layout::Picture::None) {
      markup.Verbatim(PictureMarkup(button.picture));
    } else {
      markup.Caption(button.caption);
    }
    markup.Close("button");
    focusable.push_back({button.tab_index, id});
  }
  std::stable_sort(focusable.begin(), focusable.end(), [](const Focusable& a, const Focusable& b) {
    return a.tab_index < b.tab_index;
  });
  for (Focusable& item : focusable) focus_order_.push_back(std::move(item.id));
}

val WindowView::Element(std::string_view id) const {
  return box_.call<val>("querySelector", "#" + std::string(id));
}

void WindowView::ShowFields() {
  for (const TextField& field : model_.fields()) {
    val input = Element(ElementIdOf(layout_.name, field.name()));
    if (input.isNull()) continue;
    if (input["value"].as<std::string>() != field.text()) input.set("value", field.text());
  }
}

void WindowView::FocusFirst() {
  if (!focus_order_.empty()) Element(focus_order_.front()).call<void>("focus");
}

void WindowView::MoveFocus(bool forwards) {
  if (focus_order_.empty()) return;
  const val active = Document()["activeElement"];
  const std::string active_id =
      box_.call<bool>("contains", active) ? active["id"].as<std::string>() : std::string();
  const auto count = static_cast<int>(focus_order_.size());
  int at = -1;
  for (int i = 0; i < count; ++i) {
    if (focus_order_[i] == active_id) at = i;
  }
  const int next = at < 0 ? (forwards ? 0 : count - 1) : (at + (forwards ? 1 : count - 1)) % count;
  Element(focus_order_[next]).call<void>("focus");
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
  const auto menu_of = [&](const layout::MenuBarEntry& entry) {
    return Element(ElementIdOf(layout_.name, std::string(entry.name) + "-menu"));
  };
  bool focus_in_menu = false;
  for (const layout::MenuBarEntry* entry : menus_)
    focus_in_menu = focus_in_menu || menu_of(*entry).call<bool>("contains", active);
  if (open_menu_ == nullptr && shown != nullptr) {
    // Not a menu title: a click on one has just focused it.
    const bool in_window = box_.call<bool>("contains", active) &&
                           active.call<val>("closest", std::string(".menu-bar")).isNull();
    focus_before_menu_ = in_window ? active : val::null();
  }
  open_menu_ = shown;
  for (const layout::MenuBarEntry* entry : menus_) {
    const bool open = entry == shown;
    val menu = menu_of(*entry);
    menu.set("hidden", !open);
    val title = Element(ElementIdOf(layout_.name, entry->name));
    title.call<void>("setAttribute", std::string("aria-expanded"),
                     std::string(open ? "true" : "false"));
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
