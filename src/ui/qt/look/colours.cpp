#include "ui/qt/look/colours.h"

#include <algorithm>
#include <cmath>

namespace tavro::qt {

namespace {

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

QColor DesktopBackground(const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  const QColor dark(kDesktopBackground), light(kLightDesktopBackground);
  return ContrastRatio(dark, window) >= ContrastRatio(light, window) ? dark : light;
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double first = Luminance(a), second = Luminance(b);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor ReadableOn(const QColor& face, const QColor& preferred) {
  if (ContrastRatio(face, preferred) >= kReadableContrast) return preferred;
  const QColor black(Qt::black), white(Qt::white);
  return ContrastRatio(face, black) >= ContrastRatio(face, white) ? black : white;
}

std::optional<QPalette::ColorRole> RoleOf(layout::SystemColour colour) {
  switch (colour) {
    case layout::SystemColour::TooltipBackground:
      return QPalette::ToolTipBase;
    case layout::SystemColour::Highlight3D:
      return QPalette::Light;
    case layout::SystemColour::DesktopBackground:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<QColor> ColourOf(const layout::Colour& colour, const QPalette& palette) {
  switch (colour.kind) {
    case layout::Colour::Kind::Default:
      return std::nullopt;
    case layout::Colour::Kind::Rgb:
      return QColor(QRgb(colour.rgb));
    case layout::Colour::Kind::System:
      if (const auto role = RoleOf(colour.role)) return palette.color(*role);
      return DesktopBackground(palette);
  }
  return std::nullopt;
}

std::optional<ColourPair> PairOf(const layout::Colour& colour, const QPalette& palette,
                                 QPalette::ColorRole text_role) {
  const auto face = ColourOf(colour, palette);
  if (!face) return std::nullopt;
  const bool tooltip = colour.kind == layout::Colour::Kind::System &&
                       colour.role == layout::SystemColour::TooltipBackground;
  const QColor preferred = palette.color(tooltip ? QPalette::ToolTipText : text_role);
  return ColourPair{*face, ReadableOn(*face, preferred)};
}

}  // namespace tavro::qt
