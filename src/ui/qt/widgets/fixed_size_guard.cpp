#include "ui/qt/widgets/fixed_size_guard.h"

#include <QMetaObject>
#include <QWidget>

namespace tavro::qt {

void FixedSizeGuard::Resized(QWidget& window, const QSize& size) {
  // Some window managers (weston's for X11 windows) maximise any window on a
  // double click on its title bar, whatever size it asks for; the compositors
  // on Wayland keep to it. The window asks for its own size back, for the same
  // size at most once a second: a window manager that insists (a tiling one)
  // is not answered in a loop.
  const QSize fixed = window.minimumSize();
  if (size == fixed || (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
    return;
  if (size == refused_size_ && refused_.isValid() && refused_.elapsed() < 1000) return;
  refused_size_ = size;
  refused_.start();
  window.resize(fixed);
}

void FixedSizeGuard::StateChanged(QWidget& window) {
  // No window can be maximised; a window manager that maximises it anyway is
  // answered at once, before its new size comes.
  QMetaObject::invokeMethod(
      &window,
      [target = &window] {
        if (target->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
          target->setWindowState(target->windowState() &
                                 ~(Qt::WindowMaximized | Qt::WindowFullScreen));
      },
      Qt::QueuedConnection);
}

}  // namespace tavro::qt
