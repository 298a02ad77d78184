#pragma once

#include <QPushButton>

#include "ui/layout/window_layout.h"

namespace tavro::qt {

// A push button built from a layout's button record: its rectangle, its
// caption (wrapped onto a second line when wider than the button) or its
// picture centred, its own face colour (drawn flat, with a caption colour
// readable on it) and its tooltip. Enter presses it when
// it has the focus, as the space bar does; it is never a default button.
class LayoutButton : public QPushButton {
 public:
  LayoutButton(const layout::Button& button, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool own_face_ = false;
};

}  // namespace tavro::qt
