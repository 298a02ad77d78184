#include "ui/qt/widgets/title_bar.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

#include "ui/qt/look/assets.h"

namespace tavro::qt {

namespace {

// A frame button: a square with its sign drawn in the text colour of the
// window's state, shaded while the pointer is over it or it is held down.
class FrameButton final : public QAbstractButton {
 public:
  enum class Sign { Minimise, Close };

  FrameButton(Sign sign, const QString& name, int side, QWidget* parent)
      : QAbstractButton(parent), sign_(sign), side_(side) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(name);
    setAttribute(Qt::WA_Hover);
  }

  QSize sizeHint() const override { return {side_, side_}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (isDown() || underMouse()) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(palette().color(isDown() ? QPalette::Mid : QPalette::Midlight));
      painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
    QPen pen(palette().color(QPalette::WindowText));
    pen.setWidthF(std::max(1.0, side_ / 12.0));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QRectF sign =
        QRectF(rect()).adjusted(side_ * 0.32, side_ * 0.32, -side_ * 0.32, -side_ * 0.32);
    if (sign_ == Sign::Minimise) {
      painter.drawLine(sign.bottomLeft(), sign.bottomRight());
    } else {
      painter.drawLine(sign.topLeft(), sign.bottomRight());
      painter.drawLine(sign.bottomLeft(), sign.topRight());
    }
  }

 private:
  Sign sign_;
  int side_;
};

}  // namespace

TitleBar::TitleBar(const QString& title, bool minimise_button, QWidget* window) : QWidget(window) {
  const int height = fontMetrics().height() + 12;
  const int side = height - 6;
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 3, 3, 3);
  row->setSpacing(2);

  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(QSize(16, 16), devicePixelRatioF()));
  row->addWidget(icon);
  auto* caption = new QLabel(title, this);
  caption->setAlignment(Qt::AlignCenter);
  row->addWidget(caption, 1);

  if (minimise_button) {
    minimise_ =
        new FrameButton(FrameButton::Sign::Minimise, QStringLiteral("Minimise"), side, this);
    connect(minimise_, &QAbstractButton::clicked, window, &QWidget::showMinimized);
    row->addWidget(minimise_);
  }
  close_ = new FrameButton(FrameButton::Sign::Close, QStringLiteral("Close"), side, this);
  connect(close_, &QAbstractButton::clicked, window, &QWidget::close);
  row->addWidget(close_);
  setFixedHeight(height);
}

void TitleBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window).darker(112));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(rect().bottomLeft(), rect().bottomRight());
}

void TitleBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  if (QWindow* handle = window()->windowHandle()) handle->startSystemMove();
  event->accept();
}

}  // namespace tavro::qt
