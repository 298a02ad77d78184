#pragma once

#include <QWidget>

class QAbstractButton;

namespace tavro::qt {

// The title bar a window draws for itself where the window system draws no
// frame (WindowSystemDrawsFrames()): the program icon, the title, a minimise
// button where the window has one, and a close button; never a maximise
// button. Dragging the bar moves the window; a double click does nothing.
// The buttons take no keyboard focus.
class TitleBar final : public QWidget {
 public:
  // `window` is the top-level window that the bar moves, minimises and
  // closes, and its parent.
  TitleBar(const QString& title, bool minimise_button, QWidget* window);

  QAbstractButton* MinimiseButton() const { return minimise_; }  // nullptr where there is none
  QAbstractButton* CloseButton() const { return close_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QAbstractButton* minimise_ = nullptr;
  QAbstractButton* close_ = nullptr;
};

}  // namespace tavro::qt
