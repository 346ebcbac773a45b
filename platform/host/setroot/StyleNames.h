#pragma once

// How the program names a style to tovra-setroot on its command line, and
// how the helper reads it back: one table for both.

#include "platform/emulated/HostWallpaper.h"

#include <optional>
#include <string_view>

namespace tovra::platform::host::setroot {

/// "centred", "tiled" or "stretched".
[[nodiscard]] std::string_view styleArgument(emulated::WallpaperStyle style);
/// The style of such a name; nothing for any other text.
[[nodiscard]] std::optional<emulated::WallpaperStyle> styleNamed(std::string_view name);

} // namespace tovra::platform::host::setroot
