#pragma once

// The picture laid out on the whole X screen as one image, monitor by
// monitor, in the style asked for. No X here: the arithmetic alone.

#include "platform/emulated/HostWallpaper.h"

#include <cstdint>
#include <vector>

namespace tovra::platform::host::setroot {

using emulated::WallpaperStyle;

/// Pixels as 0x00RRGGBB, row by row from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;

    [[nodiscard]] std::uint32_t at(int x, int y) const {
        return rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)];
    }
};

struct Area {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// A width by height image, black, with picture drawn into each area (a
/// monitor): centred at its own size (cut where the area is smaller), tiled
/// from the area's top left corner, or stretched to the area (nearest pixel).
/// Areas are cut to the image.
[[nodiscard]] Pixels composeRoot(const Pixels& picture, int width, int height,
                                 const std::vector<Area>& areas, WallpaperStyle style);

} // namespace tovra::platform::host::setroot
