#include "ui/toolkit/layout_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/toolkit/assets.h"
#include "ui/toolkit/colours.h"
#include "ui/toolkit/geometry.h"

namespace tavro::toolkit {

namespace {
constexpr QSize kPictureSize{32, 32};
}

LayoutButton::LayoutButton(const layout::Button& button, QWidget* parent)
    : QPushButton(TextOf(button.caption), parent) {
  setObjectName(TextOf(button.name));
  setGeometry(RectOf(button.rect));
  setAutoDefault(false);
  setDefault(false);
  if (const auto face = ColourOf(button.background, palette())) {
    QPalette colours = palette();
    colours.setColor(QPalette::Button, *face);
    setPalette(colours);
  }
  if (button.picture != layout::Picture::None) {
    setIcon(PictureIcon(button.picture));
    setIconSize(kPictureSize);
  }
  if (!button.tooltip.empty())
    setToolTip(TextOf(button.tooltip));
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
  // The style draws the face, frame, focus and picture; the caption is drawn
  // here because a push button does not wrap its text.
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  if (caption.isEmpty()) return;
  QRect area = rect().adjusted(2, 1, -2, -1);
  if (isDown() || isChecked())
    area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                   style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}

}  // namespace tavro::toolkit
