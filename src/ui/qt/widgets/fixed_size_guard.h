#pragma once

#include <QElapsedTimer>
#include <QSize>

class QWidget;

namespace tavro::qt {

// What a window of a fixed size does against the window managers that resize
// or maximise it anyway. Its window's resizeEvent() and changeEvent() call it.
class FixedSizeGuard {
 public:
  // The window system gave `window` the size `size`.
  void Resized(QWidget& window, const QSize& size);
  // The window's state changed, maybe to maximised.
  static void StateChanged(QWidget& window);

 private:
  QSize refused_size_;     // the last size the window system gave that the window refused
  QElapsedTimer refused_;  // since when
};

}  // namespace tavro::qt
