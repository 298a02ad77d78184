// On Windows the themed style ("windowsvista") draws button faces and the
// menu bar from the visual style's own pictures, light ones, with the
// palette's text on them: under a high-contrast scheme, or any scheme of light
// text on dark faces, its captions would vanish.
//
// The themed style draws from the visual style's pictures, which
// follow the colour scheme only where Windows itself draws them in
// high-contrast colours.
#include <windows.h>

#include <QColor>

#include "ui/qt/platform/platform.h"

namespace tavro::qt {

namespace {

// Whether a high-contrast scheme is on: as Windows tells it, or as it keeps
// it among the user's settings (which is all that some Windows-compatible
// systems keep).
bool HighContrastOn() {
  HIGHCONTRASTW high_contrast{};
  high_contrast.cbSize = sizeof high_contrast;
  if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof high_contrast, &high_contrast, 0) &&
      (high_contrast.dwFlags & HCF_HIGHCONTRASTON))
    return true;
  wchar_t flags[16] = {};
  DWORD size = sizeof flags;
  if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Accessibility\\HighContrast", L"Flags",
                   RRF_RT_REG_SZ, nullptr, flags, &size) != ERROR_SUCCESS)
    return false;
  return (wcstoul(flags, nullptr, 10) & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

bool StyleShowsScheme(const QString& style, const QPalette& palette) {
  if (style.compare(QLatin1String("windowsvista"), Qt::CaseInsensitive) != 0) return true;
  if (HighContrastOn()) return false;
  // The visual style's faces are light: light text cannot be read on them.
  return palette.color(QPalette::ButtonText).lightnessF() <=
         palette.color(QPalette::Button).lightnessF();
}

}  // namespace tavro::qt
