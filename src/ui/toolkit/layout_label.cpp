#include "ui/toolkit/layout_label.h"

#include "ui/toolkit/geometry.h"

namespace tavro::toolkit {

QFont FontOf(const layout::Font& font) {
  QFont result;
  result.setFamilies({TextOf(font.family)});
  result.setStyleHint(QFont::SansSerif);
  result.setPointSizeF(font.points);
  return result;
}

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
  if (label.font) widget->setFont(FontOf(*label.font));
  return widget;
}

}  // namespace tavro::toolkit
