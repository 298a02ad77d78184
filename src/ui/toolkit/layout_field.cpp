#include "ui/toolkit/layout_field.h"

#include <limits>

#include "ui/toolkit/assets.h"
#include "ui/toolkit/character_limit.h"
#include "ui/toolkit/colours.h"
#include "ui/toolkit/geometry.h"
#include "ui/toolkit/shared_palette.h"

namespace tavro::toolkit {

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

std::optional<int> MaximumCharacters(const QLineEdit& field) {
  if (const auto* limit = dynamic_cast<const CharacterLimit*>(field.validator()))
    return limit->maximum();
  return std::nullopt;
}

}  // namespace tavro::toolkit
