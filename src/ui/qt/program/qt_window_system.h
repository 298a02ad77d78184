#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/qt/widgets/layout_window.h"
#include "ui/shell/shell.h"

namespace tavro::qt {

// The shell's windows realised with Qt Widgets. Every button and menu entry
// runs its operation through the shell, and afterwards every open window
// shows its model's texts again; the title bar's close button is reported to
// the shell. The shell alone decides about switching, Help and the end of the
// program: closing the last window does not quit Qt by itself, since a switch
// closes one window before it opens the next.
class QtWindowSystem final : public shell::WindowSystem {
 public:
  // `end_process` ends the event loop; by default QCoreApplication::exit(0).
  explicit QtWindowSystem(std::function<void()> end_process = {});
  ~QtWindowSystem() override;
  QtWindowSystem(const QtWindowSystem&) = delete;
  QtWindowSystem& operator=(const QtWindowSystem&) = delete;

  // The shell that the windows' controls talk to.
  void Attach(shell::Shell& shell) { shell_ = &shell; }

  void Open(const shell::WindowToOpen& window) override;
  void Close(std::string_view window) override;
  void Activate(std::string_view window) override;
  void Quit() override;

  // An open window's visible part; nullptr when the window is not open.
  LayoutWindow* Window(std::string_view window) const;

  // Discards every window at once.
  void DiscardAll();
  // Deletes every window now, open or discarded.
  void DestroyAll();

 private:
  void Run(const std::string& window, const std::string& handler);
  void CloseByUser(const std::string& window);
  void ShowModels();

  shell::Shell* shell_ = nullptr;
  std::function<void()> end_process_;
  std::map<std::string, QPointer<LayoutWindow>, std::less<>> open_;
  std::vector<QPointer<LayoutWindow>> discarded_;  // deleted by the event loop, or at the end
  bool ended_ = false;
};

}  // namespace tavro::qt
