#pragma once

#include <QByteArray>

namespace tavro::qt {

// What decides the window-system plugin Qt loads: the variables of the
// session, as they are set (a missing variable is empty).
struct SessionVariables {
  QByteArray platform;         // QT_QPA_PLATFORM: the user's own choice
  QByteArray session_type;     // XDG_SESSION_TYPE
  QByteArray wayland_display;  // WAYLAND_DISPLAY
  QByteArray x_display;        // DISPLAY
};

// The plugins to load in a session, or empty to leave the choice to Qt. On a
// Wayland session with an X server beside it (Xwayland) and no plugin chosen
// by the user, the windows go to the X server: there the window manager draws
// the fixed frames with their close and minimise buttons only, and places the
// windows where the layouts say; a Wayland client cannot place its windows.
// Wayland itself stays the fallback.
QByteArray WindowSystemFor(const SessionVariables& session);

}  // namespace tavro::qt
