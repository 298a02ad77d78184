#include "ui/qt/widgets/layout_label.h"

#include "ui/qt/look/shared_palette.h"
#include "ui/qt/widgets/geometry.h"

namespace tavro::qt {

QFont FontOf(const layout::Font& font) {
  QFont result;
  result.setFamilies({TextOf(font.family)});
  result.setStyleHint(QFont::SansSerif);
  result.setPointSizeF(font.points);
  return result;
}

namespace {

constexpr qreal kSmallestPoints = 6;

// A caption of several lines that a substitute font makes too tall for its
// label is shown whole in a smaller size rather than cut off.
void ShrinkToFit(QLabel& label) {
  QFont font = label.font();
  if (font.pointSizeF() <= 0) return;
  const auto too_tall = [&label] {
    const int needed = label.heightForWidth(label.width());
    return needed > label.height() && needed > label.fontMetrics().height();
  };
  while (too_tall() && font.pointSizeF() - 0.5 >= kSmallestPoints) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
    label.setFont(font);
  }
}

}  // namespace

QLabel* BuildLabel(const layout::Label& label, QWidget* parent) {
  auto* widget = new QLabel(parent);
  widget->setObjectName(TextOf(label.name));
  widget->setProperty("index", label.index);
  widget->setTextFormat(Qt::PlainText);
  widget->setText(TextOf(label.caption));
  widget->setGeometry(RectOf(label.rect));
  widget->setWordWrap(true);
  widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  widget->setFocusPolicy(Qt::NoFocus);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  // The window's background and a text colour readable on it.
  SetControlPalette(*widget, QPalette::Window, QPalette::WindowText, std::nullopt);
  if (label.font) widget->setFont(FontOf(*label.font));
  ShrinkToFit(*widget);
  return widget;
}

}  // namespace tavro::qt
