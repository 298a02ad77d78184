#include "ui/shell/shell.h"

#include <stdexcept>
#include <string>

#include "ui/shell/navigation.h"
#include "ui/shell/window_registry.h"

namespace tavro::shell {

struct Shell::Impl {
  struct Window {
    std::unique_ptr<WindowModel> model;  // null: not created
    bool open = false;
  };

  Impl(WindowSystem& windows, DecimalSeparator separator, Clipboard& clipboard)
      : windows(windows), separator(separator), clipboard(clipboard) {
    for (std::string_view name : WindowNames()) slots.emplace(std::string(name), Window{});
  }

  Window* Find(std::string_view name) {
    const auto found = slots.find(name);
    return found == slots.end() ? nullptr : &found->second;
  }
  const Window* Find(std::string_view name) const { return const_cast<Impl*>(this)->Find(name); }

  bool IsOpen(std::string_view name) const {
    const Window* window = Find(name);
    return window != nullptr && window->open;
  }

  bool AnyOpen() const {
    for (const auto& [name, window] : slots) {
      if (window.open) return true;
    }
    return false;
  }

  // The mode window that is open, if any (there is at most one).
  const std::string* OpenModeWindow() const {
    for (const auto& [name, window] : slots) {
      if (window.open && name != NameOf(kHelpWindow)) return &name;
    }
    return nullptr;
  }

  // Builds the visible part afresh: the object is created on first use, and
  // loading gives every field its initial text while the cells keep theirs.
  void Open(std::string_view name) {
    const WindowRow* row = FindRow(name);
    if (row == nullptr) throw std::logic_error("no window " + std::string(name));
    Window& window = *Find(name);
    if (!window.model) window.model = row->create(separator, clipboard);
    window.model->Load();
    window.open = true;
    windows.Open(*window.model, row->layout());
  }

  // Discards the visible part; the object and its cells stay.
  void Close(std::string_view name) {
    Window& window = *Find(name);
    window.open = false;  // first, so that a close reported back is ignored
    windows.Close(name);
  }

  // Close the current window, then open the other one, as one step: nothing
  // in between can end the program.
  void Switch(std::string_view from, std::string_view to) {
    if (IsOpen(from)) Close(from);
    Open(to);
  }

  void OpenHelp() {
    const std::string_view help = NameOf(kHelpWindow);
    if (IsOpen(help)) {
      windows.Activate(help);
      return;
    }
    Open(help);
  }

  // Every window vanishes with the program; none is closed one by one.
  void End() {
    running = false;
    for (auto& [name, window] : slots) window.open = false;
    windows.Quit();
  }

  // The program ends when its last window has closed and no handler runs.
  void EndIfNothingOpen() {
    if (running && handlers_running == 0 && !AnyOpen()) End();
  }

  WindowSystem& windows;
  DecimalSeparator separator;
  Clipboard& clipboard;
  std::map<std::string, Window, std::less<>> slots;
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
  impl_->Open(NameOf(kStartupWindow));
}

bool Shell::CanInvoke(std::string_view window, std::string_view operation) const {
  if (!impl_->running || !impl_->IsOpen(window)) return false;
  if (FindNavigation(window, operation)) return true;
  return impl_->Find(window)->model->HasOperation(operation);
}

bool Shell::Invoke(std::string_view window, std::string_view operation) {
  if (!CanInvoke(window, operation)) return false;
  {
    HandlerScope scope(impl_->handlers_running);
    if (const std::optional<NavigationAction> action = FindNavigation(window, operation)) {
      switch (action->kind) {
        case NavigationKind::None:
          break;
        case NavigationKind::SwitchTo:
          impl_->Switch(window, NameOf(*action->target));
          break;
        case NavigationKind::OpenHelp:
          impl_->OpenHelp();
          break;
        case NavigationKind::End:
          impl_->End();
          break;
      }
    } else {
      impl_->Find(window)->model->Invoke(operation);
    }
  }
  impl_->EndIfNothingOpen();
  return true;
}

bool Shell::OpenWindow(std::string_view window) {
  if (!impl_->running || !IsWindowName(window)) return false;
  {
    HandlerScope scope(impl_->handlers_running);
    if (window == NameOf(kHelpWindow)) {
      impl_->OpenHelp();
    } else {
      const std::string* current = impl_->OpenModeWindow();
      impl_->Switch(current ? std::string(*current) : std::string(window), window);
    }
  }
  impl_->EndIfNothingOpen();
  return true;
}

void Shell::CloseByUser(std::string_view window) {
  if (!impl_->running || !impl_->IsOpen(window)) return;
  impl_->Close(window);
  impl_->EndIfNothingOpen();
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

}  // namespace tavro::shell
