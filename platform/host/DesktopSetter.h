#pragma once

// One desktop's way of showing a wallpaper: each desktop has its own file
// (GSettingsSetter, XfceSetter, PlasmaSetter, RootWindowSetter). A setter runs
// on the wallpaper worker's thread, never on the interface's.

#include "platform/emulated/HostWallpaper.h"
#include "platform/host/ToolRunner.h"

#include <optional>
#include <string>

namespace tovra::platform::host {

using emulated::WallpaperStyle;

class DesktopSetter {
public:
    virtual ~DesktopSetter() = default;
    /// Shows the picture at path (absolute) in style through tools. Nothing
    /// when the desktop took it; otherwise why not, for a person.
    [[nodiscard]] virtual std::optional<std::string>
    apply(const std::string& path, WallpaperStyle style, const ToolRunner& tools) = 0;
};

/// The one of three values that stands for style.
template <typename T>
[[nodiscard]] constexpr T byStyle(WallpaperStyle style, T centred, T tiled, T stretched) {
    switch (style) {
    case WallpaperStyle::Tiled:
        return tiled;
    case WallpaperStyle::Stretched:
        return stretched;
    case WallpaperStyle::Centred:
        break;
    }
    return centred;
}

/// "file://" and the path with every byte but the unreserved ones and "/"
/// percent-encoded, as desktops expect a local picture's URI.
[[nodiscard]] std::string fileUri(const std::string& absolutePath);

} // namespace tovra::platform::host
