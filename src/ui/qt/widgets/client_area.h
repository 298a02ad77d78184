#pragma once

#include <QWidget>
#include <vector>

#include "ui/layout/window_layout.h"

namespace tavro::qt {

// The client area of a window: exactly the layout's size, filled with the
// window's background, with the layout's lines drawn on it. It gives the
// controls their default font. Being the parent
// of every control, it draws the lines beneath labels, fields and buttons.
class ClientArea : public QWidget {
 public:
  static constexpr qreal kControlPoints = 8;

  ClientArea(const layout::WindowLayout& layout, QWidget* parent);

  const std::vector<layout::Line>& lines() const { return lines_; }
  // The colour a line is drawn in.
  QColor LineColour(const layout::Line& line) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<layout::Line> lines_;
};

}  // namespace tavro::qt
