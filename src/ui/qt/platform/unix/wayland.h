#pragma once

#include <string>
#include <string_view>

namespace tavro::qt {

// Where libwayland-client looks for the compositor: WAYLAND_DISPLAY (by
// default wayland-0) as a path, or in the folder XDG_RUNTIME_DIR names; empty
// when neither says where.
std::string WaylandSocketPath(const std::string& wayland_display, const std::string& runtime_dir);

// Whether the compositor at `path` announces a global of the interface
// `wanted`. The compositor sends every global after get_registry, and answers
// sync once it has sent them all; at most a second is waited for.
bool AnnouncesGlobal(const std::string& path, std::string_view wanted);

}  // namespace tavro::qt
