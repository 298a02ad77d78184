#include "ui/qt/look/shared_palette.h"

#include <QApplication>
#include <QWidget>
#include <tuple>
#include <utility>
#include <vector>

namespace tavro::qt {

namespace {

using Key = std::tuple<qint64, int, int, QRgb, QRgb>;

// A copy of the palette in which every colour counts as set, so that a
// widget given it keeps this very palette instead of a merged copy.
QPalette FullyResolved(QPalette palette) {
  for (int group = 0; group < QPalette::NColorGroups; ++group) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      // NoRole too: Qt keeps the palette as it is only when every bit of
      // its resolve mask is set.
      const auto g = QPalette::ColorGroup(group);
      const auto r = QPalette::ColorRole(role);
      palette.setBrush(g, r, palette.brush(g, r));
    }
  }
  return palette;
}

}  // namespace

QPalette SharedPalette(const QPalette& base, QPalette::ColorRole face_role,
                       QPalette::ColorRole text_role, const ColourPair& pair) {
  // A handful of colour sets per colour scheme: a short list is enough.
  static std::vector<std::pair<Key, QPalette>> shared;
  const Key key{base.cacheKey(), face_role, text_role, pair.face.rgba(), pair.text.rgba()};
  for (const auto& [known, palette] : shared)
    if (known == key) return palette;
  QPalette palette = base;
  palette.setColor(face_role, pair.face);
  palette.setColor(text_role, pair.text);
  shared.emplace_back(key, FullyResolved(palette));
  return shared.back().second;
}

QPalette BasePaletteOf(const QWidget& control) {
  const QWidget* parent = control.parentWidget();
  if (parent && parent->testAttribute(Qt::WA_SetPalette)) return parent->palette();
  return QApplication::palette(&control);
}

void SetControlPalette(QWidget& control, QPalette::ColorRole face_role,
                       QPalette::ColorRole text_role, const std::optional<ColourPair>& pair) {
  const QWidget* parent = control.parentWidget();
  const bool parent_has_own = parent && parent->testAttribute(Qt::WA_SetPalette);
  if (!pair && !parent_has_own) return;  // the application's palette is shared already
  if (!pair) {
    control.setPalette(parent->palette());
    return;
  }
  control.setPalette(SharedPalette(BasePaletteOf(control), face_role, text_role, *pair));
}

}  // namespace tavro::qt
