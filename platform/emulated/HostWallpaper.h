#pragma once

// The real desktop's own wallpaper, where the host has one that a program may
// set (GNOME through gsettings, Xfce through xfconf, ...). The emulated shell
// hands every new wallpaper to it when it is given one; the emulated registry
// stays the record of what the program did, the real desktop changes besides.

#include <string>

namespace tovra::platform::emulated {

/// How the picture covers the screen: the codes of "wallpaperstyle".
enum class WallpaperStyle { Centred = 0, Tiled = 1, Stretched = 2 };

class HostWallpaper {
public:
    virtual ~HostWallpaper() = default;
    /// Starts showing the picture at path in style; returns at once, without
    /// waiting for the desktop. A desktop that does not take it is no failure
    /// of the caller's: the host reports it by itself.
    virtual void show(const std::string& path, WallpaperStyle style) = 0;
};

} // namespace tovra::platform::emulated
