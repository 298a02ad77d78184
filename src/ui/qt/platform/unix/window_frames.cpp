// On Linux and other Unix systems an X window manager draws the frames, and so
// does a Wayland compositor that announces the decoration protocol
// (zxdg_decoration_manager_v1: KDE's KWin, for one); Qt then asks it to. A
// compositor without it (GNOME's mutter, weston) leaves the frames to the
// program. Qt does not tell which it is before a window is shown, so the
// compositor is asked for its list of globals on a connection of its own,
// once (wayland.h).
#include <QGuiApplication>
#include <string>

#include "ui/qt/platform/platform.h"
#include "ui/qt/platform/unix/environment.h"
#include "ui/qt/platform/unix/wayland.h"

namespace tavro::qt {

bool WindowSystemDrawsFrames() {
  static const bool draws = [] {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return true;
    // A connection handed over by the compositor cannot be asked again.
    if (!Variable("WAYLAND_SOCKET").empty()) return false;
    const std::string path =
        WaylandSocketPath(Variable("WAYLAND_DISPLAY"), Variable("XDG_RUNTIME_DIR"));
    return !path.empty() && AnnouncesGlobal(path, "zxdg_decoration_manager_v1");
  }();
  return draws;
}

}  // namespace tavro::qt
