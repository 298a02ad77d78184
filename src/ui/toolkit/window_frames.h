#pragma once

namespace tavro::toolkit {

// Whether the window system draws the windows' frames (title bar and its
// buttons) itself, from what each window asks for. Not so on a Wayland
// compositor that leaves the frames to its clients (GNOME's mutter, weston):
// there Qt would draw its own, which offer maximise and minimise on every
// window and are not counted in the size a window tells the compositor, so
// the program draws them instead. Asked once, on the running application;
// each platform has its own implementation file.
bool WindowSystemDrawsFrames();

}  // namespace tavro::toolkit
