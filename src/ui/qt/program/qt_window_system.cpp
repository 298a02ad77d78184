#include "ui/qt/program/qt_window_system.h"

#include <QApplication>

#include "ui/qt/platform/platform.h"

namespace tavro::qt {

QtWindowSystem::QtWindowSystem(std::function<void()> end_process)
    : end_process_(std::move(end_process)) {
  if (!end_process_) end_process_ = [] { QCoreApplication::exit(0); };
  QApplication::setQuitOnLastWindowClosed(false);
}

QtWindowSystem::~QtWindowSystem() { DestroyAll(); }

void QtWindowSystem::Open(const shell::WindowToOpen& opened) {
  const std::string name(opened.layout.name);
  if (Window(name)) {
    Activate(name);
    return;
  }
  auto* window = new LayoutWindow(opened.layout, opened.model, opened.accessible_name,
                                  {[this, name](const std::string& handler) { Run(name, handler); },
                                   [this, name] { CloseByUser(name); }});
  open_[name] = window;
  window->ShowModel();
  window->Present();
}

void QtWindowSystem::Close(std::string_view window) {
  const auto found = open_.find(window);
  if (found == open_.end()) return;
  std::erase_if(discarded_, [](const QPointer<LayoutWindow>& gone) { return gone.isNull(); });
  if (LayoutWindow* visible = found->second) {
    visible->Discard();
    discarded_.push_back(visible);
  }
  open_.erase(found);
}

void QtWindowSystem::Activate(std::string_view window) {
  LayoutWindow* visible = Window(window);
  if (!visible) return;
  // A minimised window comes back as it was; show() alone leaves it iconic.
  if (visible->isMinimized())
    visible->setWindowState(visible->windowState() & ~Qt::WindowMinimized);
  // Where the window cannot be raised, it is shown afresh, on top.
  if (RaisingShowsAfresh()) visible->hide();
  visible->show();
  visible->raise();
  visible->activateWindow();
}

void QtWindowSystem::Quit() {
  ended_ = true;
  DiscardAll();
  end_process_();
}

LayoutWindow* QtWindowSystem::Window(std::string_view window) const {
  const auto found = open_.find(window);
  return found == open_.end() ? nullptr : found->second.data();
}

void QtWindowSystem::DiscardAll() {
  while (!open_.empty()) Close(open_.begin()->first);
}

void QtWindowSystem::DestroyAll() {
  DiscardAll();
  for (const QPointer<LayoutWindow>& window : discarded_) delete window.data();
  discarded_.clear();
}

void QtWindowSystem::Run(const std::string& window, const std::string& handler) {
  if (ended_ || !shell_) return;
  shell_->Invoke(window, handler);
  // The model is the truth: after every operation the fields show it again.
  // A switch or End may have discarded the calling window by now.
  if (!ended_) ShowModels();
}

void QtWindowSystem::CloseByUser(const std::string& window) {
  if (ended_ || !shell_) return;
  shell_->CloseByUser(window);
}

void QtWindowSystem::ShowModels() {
  for (const auto& [name, window] : open_)
    if (window) window->ShowModel();
}

}  // namespace tavro::qt
