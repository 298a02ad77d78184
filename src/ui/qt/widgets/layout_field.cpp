#include "ui/qt/widgets/layout_field.h"

#include <limits>

#include "ui/qt/look/assets.h"
#include "ui/qt/look/colours.h"
#include "ui/qt/look/shared_palette.h"
#include "ui/qt/widgets/character_limit.h"
#include "ui/qt/widgets/geometry.h"

namespace tavro::qt {

QLineEdit* BuildField(const layout::Field& field, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(TextOf(field.name));
  edit->setGeometry(RectOf(field.rect));
  // Qt's own limit (32767 UTF-16 units by default) would cut a long paste,
  // possibly inside a character; the only limit is the layout's, in characters.
  edit->setMaxLength(std::numeric_limits<int>::max());
  if (field.max_length) edit->setValidator(new CharacterLimit(*field.max_length, edit));
  SetControlPalette(*edit, QPalette::Base, QPalette::Text,
                    PairOf(field.background, BasePaletteOf(*edit), QPalette::Text));
  edit->setCursor(FieldPointer(field.pointer, parent->devicePixelRatioF()));
  if (!field.tooltip.empty()) edit->setToolTip(TextOf(field.tooltip));
  return edit;
}

}  // namespace tavro::qt
