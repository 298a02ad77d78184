#include "ui/shell/shell.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/shell/window_registry.h"

namespace tavro::shell {

struct Shell::Impl {
  // One window of the registry and what the shell holds of it.
  struct Window {
    const WindowRow* row;
    std::unique_ptr<WindowModel> model;  // null: not created
    bool open = false;
  };

  Impl(WindowSystem& windows, DecimalSeparator separator, Clipboard& clipboard)
      : windows(windows), separator(separator), clipboard(clipboard) {
    for (const WindowRow& row : Windows()) slots.push_back({&row, nullptr, false});
  }

  Window& Of(const WindowRow& row) {
    return slots[static_cast<std::size_t>(&row - Windows().data())];
  }
  // The window by its name; nullptr for a name that is no window.
  Window* Find(std::string_view name) {
    const WindowRow* row = FindRow(name);
    return row == nullptr ? nullptr : &Of(*row);
  }
  // The window by its name while the program runs and the window is open.
  Window* FindOpen(std::string_view name) {
    Window* window = running ? Find(name) : nullptr;
    return window != nullptr && window->open ? window : nullptr;
  }

  bool AnyOpen() const {
    for (const Window& window : slots) {
      if (window.open) return true;
    }
    return false;
  }

  // The mode window that is open, if any (there is at most one).
  Window* OpenModeWindow() {
    for (Window& window : slots) {
      if (window.open && window.row->id != kHelpWindow) return &window;
    }
    return nullptr;
  }

  // Builds the visible part afresh: the object is created on first use, and
  // loading gives every field its initial text while the cells keep theirs.
  void Open(Window& window) {
    if (!window.model) window.model = window.row->create(separator, clipboard);
    window.model->Load();
    window.open = true;
    windows.Open({*window.model, window.row->layout(), AccessibleNameOf(*window.row)});
  }

  // Discards the visible part; the object and its cells stay.
  void Close(Window& window) {
    window.open = false;  // first, so that a close reported back is ignored
    windows.Close(window.row->name);
  }

  // Close the current window, then open the other one, as one step: nothing
  // in between can end the program.
  void Switch(Window& from, Window& to) {
    if (from.open) Close(from);
    Open(to);
  }

  void OpenHelp() {
    Window& help = Of(RowOf(kHelpWindow));
    if (help.open) {
      windows.Activate(help.row->name);
      return;
    }
    Open(help);
  }

  // Every window vanishes with the program; none is closed one by one.
  void End() {
    running = false;
    for (Window& window : slots) window.open = false;
    windows.Quit();
  }

  // What a menu entry or an Exit button of `from` does.
  void Navigate(Window& from, const NavigationAction& action) {
    switch (action.kind) {
      case NavigationKind::None:
        break;
      case NavigationKind::SwitchTo:
        Switch(from, Of(RowOf(*action.target)));
        break;
      case NavigationKind::OpenHelp:
        OpenHelp();
        break;
      case NavigationKind::End:
        End();
        break;
    }
  }

  // The program ends when its last window has closed and no handler runs.
  void EndIfNothingOpen() {
    if (running && handlers_running == 0 && !AnyOpen()) End();
  }

  WindowSystem& windows;
  DecimalSeparator separator;
  Clipboard& clipboard;
  std::vector<Window> slots;  // in the registry's order
  bool started = false;
  bool running = false;
  int handlers_running = 0;
};

namespace {

// Counts a handler run for its whole duration, also when it throws.
class HandlerScope {
 public:
  explicit HandlerScope(int& count) : count_(count) { ++count_; }
  ~HandlerScope() { --count_; }
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;

 private:
  int& count_;
};

}  // namespace

Shell::Shell(WindowSystem& windows, DecimalSeparator separator, Clipboard& clipboard)
    : impl_(std::make_unique<Impl>(windows, separator, clipboard)) {}

Shell::~Shell() = default;

void Shell::Start() {
  if (impl_->started) return;
  impl_->started = true;
  impl_->running = true;
  impl_->Open(impl_->Of(RowOf(kStartupWindow)));
}

bool Shell::CanInvoke(std::string_view window, std::string_view operation) const {
  Impl::Window* open = impl_->FindOpen(window);
  return open != nullptr &&
         (open->row->NavigationOf(operation) != nullptr || open->model->HasOperation(operation));
}

bool Shell::Invoke(std::string_view window, std::string_view operation) {
  Impl::Window* open = impl_->FindOpen(window);
  if (open == nullptr) return false;
  const NavigationAction* action = open->row->NavigationOf(operation);
  if (action == nullptr && !open->model->HasOperation(operation)) return false;
  {
    HandlerScope scope(impl_->handlers_running);
    if (action != nullptr) {
      impl_->Navigate(*open, *action);
    } else {
      open->model->Invoke(operation);
    }
  }
  impl_->EndIfNothingOpen();
  return true;
}

bool Shell::OpenWindow(std::string_view window) {
  Impl::Window* target = impl_->running ? impl_->Find(window) : nullptr;
  if (target == nullptr) return false;
  {
    HandlerScope scope(impl_->handlers_running);
    if (target->row->id == kHelpWindow) {
      impl_->OpenHelp();
    } else {
      Impl::Window* current = impl_->OpenModeWindow();
      impl_->Switch(current != nullptr ? *current : *target, *target);
    }
  }
  impl_->EndIfNothingOpen();
  return true;
}

void Shell::CloseByUser(std::string_view window) {
  Impl::Window* open = impl_->FindOpen(window);
  if (open == nullptr) return;
  impl_->Close(*open);
  impl_->EndIfNothingOpen();
}

void Shell::SetDecimalSeparator(DecimalSeparator separator) {
  impl_->separator = separator;
  for (Impl::Window& window : impl_->slots) {
    if (window.model) window.model->SetSeparator(separator);
  }
}

WindowState Shell::StateOf(std::string_view window) const {
  const Impl::Window* found = impl_->Find(window);
  if (found == nullptr || !found->model) return WindowState::NotCreated;
  return found->open ? WindowState::Open : WindowState::Closed;
}

WindowModel* Shell::Model(std::string_view window) {
  Impl::Window* found = impl_->Find(window);
  return found == nullptr ? nullptr : found->model.get();
}

bool Shell::Running() const { return impl_->running; }

namespace {

class NotingClipboard : public Clipboard {
 public:
  std::string PlainText() override {
    read = true;
    return {};
  }
  bool read = false;
};

}  // namespace

bool ReadsClipboard(std::string_view window, std::string_view operation) {
  // Each answer is found once: a toolkit asks at every click, or for every
  // button of a window each time the window opens.
  static std::map<std::string, bool, std::less<>> answers;
  std::string key = std::string(window) + '/' + std::string(operation);
  if (const auto known = answers.find(key); known != answers.end()) return known->second;
  const WindowRow* row = FindRow(window);
  bool reads = false;
  if (row != nullptr) {
    NotingClipboard clipboard;
    const std::unique_ptr<WindowModel> model = row->create(DecimalSeparator::FullStop(), clipboard);
    reads = model->Invoke(operation) && clipboard.read;
  }
  answers.emplace(std::move(key), reads);
  return reads;
}

}  // namespace tavro::shell
