#include "ui/web/page.h"

#include <algorithm>
#include <set>
#include <string>

#include "ui/layout/accessible_text.h"
#include "ui/layout/form_layouts.h"
#include "ui/web/dom.h"

namespace tavro::web {
namespace {

constexpr int kGap = 8;  // between a window and the Help window beside it

// The letter of a key's code ("KeyB" gives 'B'), or 0 for any other key.
char LetterOf(std::string_view code) {
  constexpr std::string_view kKey = "Key";
  if (code.size() != kKey.size() + 1 || code.substr(0, kKey.size()) != kKey) return 0;
  return code.back();
}

// Every Ctrl+letter that some window of the program has as a shortcut. Where
// the window in front has none for it, the key does nothing, as on the
// desktop, and the browser does not act on it either.
const std::set<char>& ProgramShortcutLetters() {
  static const std::set<char> letters = [] {
    std::set<char> found;
    for (const layout::WindowLayout* window :
         {&layout::Form1Layout(), &layout::Form2Layout(), &layout::Form3Layout(),
          &layout::Form4Layout(), &layout::Form5Layout(), &layout::Form6Layout()}) {
      for (const layout::MenuBarEntry& bar : window->menu_bar) {
        for (const layout::MenuEntry& entry : bar.entries) {
          if (entry.shortcut.size() == 6 && entry.shortcut.substr(0, 5) == "Ctrl+")
            found.insert(entry.shortcut.back());
        }
      }
    }
    return found;
  }();
  return letters;
}

const layout::Field* LayoutFieldOf(const layout::WindowLayout& layout, std::string_view name) {
  for (const layout::Field& field : layout.fields) {
    if (field.name == name) return &field;
  }
  return nullptr;
}

void Announce(std::string_view text) {
  val region = ById("announcer");
  if (region.isNull()) return;
  SetText(region, {});
  SetText(region, text);
}

}  // namespace

DecimalSeparator DecimalSeparatorOfLanguage(std::string_view language) {
  const std::string written = val(1.5).call<std::string>("toLocaleString", std::string(language));
  return written.find(',') != std::string::npos ? DecimalSeparator::Comma()
                                                : DecimalSeparator::FullStop();
}

void Page::Start() {
  val end = ById("end");
  if (!end.isNull()) end.set("hidden", true);
  views_.clear();
  stacking_.clear();
  // Until the separator is known, the shell's is never used (EnsureSeparator).
  shell_ = std::make_unique<shell::Shell>(*this, separator_.value_or(DecimalSeparator::FullStop()),
                                          clipboard_);
  shell_->Start();
}

void Page::EnsureSeparator() {
  if (separator_) return;
  separator_ = DecimalSeparatorOfLanguage(language_);
  shell_->SetDecimalSeparator(*separator_);
}

WindowView* Page::ViewOf(std::string_view window) {
  const auto found = views_.find(window);
  return found == views_.end() ? nullptr : found->second.get();
}

WindowView* Page::ActiveView() { return stacking_.empty() ? nullptr : ViewOf(stacking_.back()); }

void Page::CloseMenus() {
  for (auto& [name, view] : views_) {
    if (view->OpenMenu() != nullptr) view->ShowMenu(nullptr);
  }
}

bool Page::Act(std::string_view action, std::string_view window, std::string_view control) {
  if (action == "restart") {
    if (!shell_ || !shell_->Running()) Start();
    return false;
  }
  if (!shell_) return false;
  WindowView* view = ViewOf(window);
  if (view == nullptr) {
    CloseMenus();
    return false;
  }
  if (action == "run") {
    if (shell::ReadsClipboard(window, layout::HandlerOf(control))) return true;
    Run(window, control);
  } else if (action == "menu") {
    const layout::MenuBarEntry* chosen = nullptr;
    for (const layout::MenuBarEntry& entry : view->layout().menu_bar) {
      if (entry.name == control) chosen = &entry;
    }
    const layout::MenuBarEntry* open = view->OpenMenu();
    CloseMenus();
    Activate(window);
    view->ShowMenu(open == chosen ? nullptr : chosen);
  } else if (action == "close") {
    CloseMenus();
    shell_->CloseByUser(window);
  } else if (action == "minimise") {
    view->SetMinimised(!view->Minimised());
  } else if (action == "activate") {
    if (view->Minimised()) view->SetMinimised(false);
    Activate(window);
  } else {
    CloseMenus();
  }
  return false;
}

void Page::Paste(std::string_view window, std::string_view control, std::string text) {
  clipboard_.Hold(std::move(text));
  Run(window, control);
  clipboard_.Hold({});
}

void Page::Run(std::string_view window_name, std::string_view control) {
  WindowView* view = ViewOf(window_name);
  if (view == nullptr || !shell_) return;
  CloseMenus();
  EnsureSeparator();
  const std::string window(window_name);
  std::vector<std::string> before;
  for (const TextField& field : view->model().fields()) before.push_back(field.text());
  WindowModel& model = view->model();
  const layout::WindowLayout& layout = view->layout();
  shell_->Invoke(window, layout::HandlerOf(control));
  // A switch or the end has closed the window; otherwise it shows what the
  // handler wrote, and a screen reader hears what changed ("ОТГОВОР 5").
  view = ViewOf(window);
  if (view == nullptr) return;
  view->ShowFields();
  std::vector<layout::ChangedField> changed;
  std::size_t i = 0;
  for (const TextField& field : model.fields()) {
    if (i < before.size() && field.text() != before[i]) {
      const layout::Field* shown = LayoutFieldOf(layout, field.name());
      if (shown != nullptr)
        changed.push_back({layout::AccessibleTextOf(layout, *shown).name, field.text()});
    }
    ++i;
  }
  if (!changed.empty()) Announce(layout::AnnouncementOf(changed));
}

void Page::Type(std::string_view window, std::string_view field_name, std::string_view text) {
  WindowView* view = ViewOf(window);
  if (view == nullptr) return;
  TextField* field = view->model().FindField(field_name);
  if (field == nullptr) return;
  field->Type(text);
  // A field full to its maximum length takes no more, pasted or typed.
  if (field->text() != text) view->ShowFields();
}

bool Page::Key(std::string_view window, std::string_view code, std::string_view key, bool ctrl,
               bool alt, bool shift) {
  WindowView* view = window.empty() ? ActiveView() : ViewOf(window);
  if (view == nullptr) view = ActiveView();
  if (view == nullptr || !shell_) return false;
  const std::string name(view->layout().name);
  const char letter = LetterOf(code);

  if (view->OpenMenu() != nullptr && !ctrl) {
    if (key == "Escape") {
      view->ShowMenu(nullptr);
      return true;
    }
    if (key == "ArrowDown" || key == "ArrowUp") {
      val active = Document()["activeElement"];
      val next = active[key == "ArrowDown" ? "nextElementSibling" : "previousElementSibling"];
      if (!next.isNull() && !next.isUndefined()) next.call<void>("focus");
      return true;
    }
    if (letter != 0 && !alt) {
      if (const layout::MenuEntry* entry = view->EntryByKey(letter)) Run(name, entry->name);
      return true;
    }
  }
  if (ctrl && !alt && letter != 0) {
    const std::string shortcut = std::string("Ctrl+") + letter;
    for (const layout::MenuBarEntry& bar : view->layout().menu_bar) {
      for (const layout::MenuEntry& entry : bar.entries) {
        if (entry.shortcut == shortcut) {
          Run(name, entry.name);
          return true;
        }
      }
    }
    return ProgramShortcutLetters().count(letter) != 0;
  }
  if (alt && !ctrl && letter != 0) {
    const layout::MenuBarEntry* entry = view->MenuByKey(letter);
    if (entry == nullptr) return false;
    if (entry->entries.empty()) {
      Run(name, entry->name);
    } else {
      CloseMenus();
      view->ShowMenu(entry);
    }
    return true;
  }
  if (key == "Tab" && !ctrl && !alt) {
    view->MoveFocus(!shift);
    return true;
  }
  return false;
}

void Page::Open(const shell::WindowToOpen& window) {
  auto view = std::make_unique<WindowView>(window.layout, window.model, window.accessible_name);
  WindowView& shown = *view;
  val desktop = ById("desktop");
  desktop.call<void>("append", shown.box());
  views_[std::string(window.layout.name)] = std::move(view);
  shown.ShowFields();
  Place(shown);
  Activate(window.layout.name);  // which gives the focus to its first control
}

void Page::Close(std::string_view window) {
  const auto found = views_.find(window);
  if (found == views_.end()) return;
  found->second->box().call<void>("remove");
  views_.erase(found);
  stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), window), stacking_.end());
  if (!stacking_.empty()) Activate(stacking_.back());
}

void Page::Activate(std::string_view window) {
  WindowView* view = ViewOf(window);
  if (view == nullptr) return;
  stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), window), stacking_.end());
  stacking_.emplace_back(window);
  int z = 1;
  for (const std::string& name : stacking_) {
    WindowView* each = ViewOf(name);
    SetStyle(each->box(), "z-index", std::to_string(z++));
    each->box()["classList"].call<void>("toggle", std::string("active"), name == window);
  }
  // A window with nothing that takes the focus (Help) takes it itself.
  const val active = Document()["activeElement"];
  if (!view->box().call<bool>("contains", active)) {
    if (view->FocusOrder().empty()) {
      view->box().call<void>("focus");
    } else {
      view->FocusFirst();
    }
  }
}

void Page::Quit() {
  for (auto& [name, view] : views_) view->box().call<void>("remove");
  views_.clear();
  stacking_.clear();
  val end = ById("end");
  if (end.isNull()) return;
  end.set("hidden", false);
  val again = ById("start-again");
  if (!again.isNull()) again.call<void>("focus");
}

void Page::Place(WindowView& view) {
  val box = view.box();
  const val root = Document()["documentElement"];
  const int viewport_width = root["clientWidth"].as<int>();
  const int viewport_height = root["clientHeight"].as<int>();
  SetStyle(box, "transform", "none");
  const int width = box["offsetWidth"].as<int>();
  const int height = box["offsetHeight"].as<int>();
  // A window wider than the screen (a phone's) is scaled down to fit it.
  const double scale = width > viewport_width ? static_cast<double>(viewport_width) / width : 1.0;
  if (scale < 1.0) SetStyle(box, "transform", "scale(" + std::to_string(scale) + ")");
  const int shown_width = static_cast<int>(width * scale);
  const int shown_height = static_cast<int>(height * scale);
  int left = 0;
  int top = 0;
  if (view.layout().start == layout::StartPosition::CentreOfScreen) {
    left = std::max(0, (viewport_width - shown_width) / 2);
    top = std::max(0, (viewport_height - shown_height) / 2);
  } else {
    // Where the window system chooses: beside the window in front, or below
    // it where the screen is too narrow; with none, near the top left.
    left = kGap;
    top = kGap;
    if (WindowView* front = ActiveView(); front != nullptr && front != &view) {
      const int front_left = front->box()["offsetLeft"].as<int>();
      const int front_top = front->box()["offsetTop"].as<int>();
      const val rect = front->box().call<val>("getBoundingClientRect");
      const int front_width = rect["width"].as<int>();
      const int front_height = rect["height"].as<int>();
      if (front_left + front_width + kGap + shown_width <= viewport_width) {
        left = front_left + front_width + kGap;
        top = front_top;
      } else {
        left = std::max(0, front_left);
        top = front_top + front_height + kGap;
      }
    }
  }
  left = std::min(left, std::max(0, viewport_width - shown_width));
  SetStyle(box, "left", Px(left));
  SetStyle(box, "top", Px(top));
}

void Page::Resize() {
  for (const std::string& name : stacking_) {
    if (WindowView* view = ViewOf(name)) Place(*view);
  }
}

}  // namespace tavro::web
