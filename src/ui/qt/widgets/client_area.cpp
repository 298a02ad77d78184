#include "ui/qt/widgets/client_area.h"

#include <QApplication>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "ui/qt/look/colours.h"
#include "ui/qt/look/shared_palette.h"

namespace tavro::qt {

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
  // A line is one pixel of the layout wide, drawn on whole device pixels: at
  // a scale of 1.25 or 1.5 a pen of 1.25 or 1.5 pixels straddling pixel edges
  // leaves a line at the window's edge out and turns dots into smears. The
  // pen is cosmetic, so width and dots are counted in device pixels, and each
  // end lies in the middle of the band of device pixels that the layout pixel
  // covers, so a line at y = 0 lies inside the area.
  const QTransform to_device = painter.deviceTransform();
  const QTransform to_layout = to_device.inverted();
  const int width = std::max(1, qRound(to_device.m22()));
  const auto on_device_pixels = [&](int x, int y) {
    const QPointF corner = to_device.map(QPointF(x, y));
    // The first device pixel of the layout pixel, rounded as Qt rounds the
    // area's own edges when it clips the drawing to them.
    const QPointF band(std::floor(corner.x() + 0.5), std::floor(corner.y() + 0.5));
    return to_layout.map(band + QPointF(width / 2.0, width / 2.0));
  };
  for (const layout::Line& line : lines_) {
    QPen pen(LineColour(line), width);
    pen.setCosmetic(true);
    pen.setStyle(line.dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(on_device_pixels(line.x1, line.y1), on_device_pixels(line.x2, line.y2));
  }
}

}  // namespace tavro::qt
