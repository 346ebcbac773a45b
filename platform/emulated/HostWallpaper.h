#pragma once

// The real desktop's own wallpaper, where the host has one that a program may
// set (GNOME through gsettings, Xfce through xfconf, ...). The emulated shell
// hands every new wallpaper to it when it is given one; without one, the
// wallpaper lives only in the emulated registry, where Windows keeps it.

#include <string>

namespace tovra::platform::emulated {

class HostWallpaper {
public:
    virtual ~HostWallpaper() = default;
    /// Shows the picture at path (empty: no wallpaper). False when refused.
    virtual bool show(const std::string& path) = 0;
};

} // namespace tovra::platform::emulated
