#include "ui/toolkit/colours.h"

namespace tavro::toolkit {

std::optional<QPalette::ColorRole> RoleOf(layout::SystemColour colour) {
  switch (colour) {
    case layout::SystemColour::TooltipBackground: return QPalette::ToolTipBase;
    case layout::SystemColour::Highlight3D: return QPalette::Light;
    case layout::SystemColour::DesktopBackground: return std::nullopt;
  }
  return std::nullopt;
}

std::optional<QColor> ColourOf(const layout::Colour& colour, const QPalette& palette) {
  switch (colour.kind) {
    case layout::Colour::Kind::Default: return std::nullopt;
    case layout::Colour::Kind::Rgb: return QColor(QRgb(colour.rgb));
    case layout::Colour::Kind::System:
      if (const auto role = RoleOf(colour.role)) return palette.color(*role);
      return QColor(kDesktopBackground);
  }
  return std::nullopt;
}

}  // namespace tavro::toolkit
