#include "ui/toolkit/client_area.h"

#include <QApplication>
#include <QPainter>
#include <QPen>

#include "ui/toolkit/colours.h"
#include "ui/toolkit/shared_palette.h"

namespace tavro::toolkit {

ClientArea::ClientArea(const layout::WindowLayout& layout, QWidget* parent)
    : QWidget(parent), lines_(layout.lines) {
  setObjectName(QStringLiteral("client"));
  // The layouts' pixel positions are made for the classic 8-point dialog
  // font: controls without a font of their own use the system's family at
  // that size, whatever size the desktop prefers.
  QFont font = QApplication::font();
  font.setPointSizeF(kControlPoints);
  setFont(font);
  setFixedSize(layout.client_width, layout.client_height);
  // A background of its own comes with a window-text colour readable on it,
  // for the labels and the lines drawn in the default colour.
  const QPalette scheme = QApplication::palette(this);
  if (const auto background = PairOf(layout.background, scheme, QPalette::WindowText))
    setPalette(SharedPalette(scheme, QPalette::Window, QPalette::WindowText, *background));
  setAutoFillBackground(true);
}

QColor ClientArea::LineColour(const layout::Line& line) const {
  return ColourOf(line.colour, palette()).value_or(palette().color(QPalette::WindowText));
}

void ClientArea::paintEvent(QPaintEvent*) {
  if (lines_.empty()) return;
  QPainter painter(this);
  for (const layout::Line& line : lines_) {
    QPen pen(LineColour(line), 1);
    pen.setStyle(line.dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(line.x1, line.y1, line.x2, line.y2);
  }
}

}  // namespace tavro::toolkit
