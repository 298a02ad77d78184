// On Linux and other Unix systems Qt runs on its X11 plugin (xcb), its Wayland
// plugin or one that needs no display (offscreen), and the first two differ
// from the rest.
#include <QGuiApplication>

#include "ui/qt/platform/platform.h"

namespace tavro::qt {

bool RaisingShowsAfresh() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool PointerHotSpotInPicturePixels() {
  return QGuiApplication::platformName() == QLatin1String("xcb");
}

}  // namespace tavro::qt
