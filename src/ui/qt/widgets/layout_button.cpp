#include "ui/qt/widgets/layout_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/qt/look/assets.h"
#include "ui/qt/look/colours.h"
#include "ui/qt/look/shared_palette.h"
#include "ui/qt/widgets/geometry.h"

namespace tavro::qt {

namespace {

constexpr QSize kPictureSize{32, 32};

// A face of the button's own colour, flat, so that it shows exactly that
// colour, inside a raised edge (sunken while pressed) and, while the button
// has the keyboard focus, a dotted frame in the caption's colour.
void PaintOwnFace(QPainter& painter, const QStyleOptionButton& option) {
  const QRect edge = option.rect.adjusted(0, 0, -1, -1);
  const QColor face = option.palette.color(QPalette::Button);
  const bool sunken = option.state & (QStyle::State_Sunken | QStyle::State_On);
  painter.fillRect(option.rect, face);
  painter.setPen(face.darker(250));
  painter.drawRect(edge);
  const QColor lit = face.lighter(130), shaded = face.darker(140);
  const QRect inner = edge.adjusted(1, 1, -1, -1);
  painter.setPen(sunken ? shaded : lit);
  painter.drawLine(inner.topLeft(), inner.topRight());
  painter.drawLine(inner.topLeft(), inner.bottomLeft());
  painter.setPen(sunken ? lit : shaded);
  painter.drawLine(inner.bottomLeft(), inner.bottomRight());
  painter.drawLine(inner.topRight(), inner.bottomRight());
  const auto focus = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
  if ((option.state & focus) == focus) {
    painter.setPen(QPen(option.palette.color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.drawRect(edge.adjusted(3, 3, -3, -3));
  }
}

}  // namespace

LayoutButton::LayoutButton(const layout::Button& button, QWidget* parent)
    : QPushButton(TextOf(button.caption), parent) {
  setObjectName(TextOf(button.name));
  setGeometry(RectOf(button.rect));
  setAutoDefault(false);
  setDefault(false);
  const auto colours = PairOf(button.background, BasePaletteOf(*this), QPalette::ButtonText);
  own_face_ = colours.has_value();
  SetControlPalette(*this, QPalette::Button, QPalette::ButtonText, colours);
  if (button.picture != layout::Picture::None) {
    setIcon(PictureIcon(button.picture));
    setIconSize(kPictureSize);
  }
  if (!button.tooltip.empty()) setToolTip(TextOf(button.tooltip));
}

void LayoutButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  // The keypad's Enter carries the keypad modifier and nothing else.
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (!event->isAutoRepeat()) click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void LayoutButton::paintEvent(QPaintEvent*) {
  // The style draws the face, frame and focus of a button in the system's
  // colours, and the picture; the caption is drawn here because a push
  // button does not wrap its text.
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  const bool down = isDown() || isChecked();
  const QPoint shift(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                     style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  if (own_face_) {
    PaintOwnFace(painter, option);
    if (!option.icon.isNull()) {
      if (down) option.rect.translate(shift);
      painter.drawControl(QStyle::CE_PushButtonLabel, option);
    }
  } else {
    painter.drawControl(QStyle::CE_PushButton, option);
  }
  if (caption.isEmpty()) return;
  QRect area = rect().adjusted(2, 1, -2, -1);
  if (down) area.translate(shift);
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}

}  // namespace tavro::qt
