#include "platform/host/setroot/StyleNames.h"

#include <array>
#include <utility>

namespace tovra::platform::host::setroot {

namespace {

using emulated::WallpaperStyle;

constexpr std::array<std::pair<WallpaperStyle, std::string_view>, 3> kNames{{
    {WallpaperStyle::Centred, "centred"},
    {WallpaperStyle::Tiled, "tiled"},
    {WallpaperStyle::Stretched, "stretched"},
}};

} // namespace

std::string_view styleArgument(WallpaperStyle style) {
    for (const auto& [known, name] : kNames) {
        if (known == style) {
            return name;
        }
    }
    return kNames.front().second;
}

std::optional<WallpaperStyle> styleNamed(std::string_view name) {
    for (const auto& [style, known] : kNames) {
        if (known == name) {
            return style;
        }
    }
    return std::nullopt;
}

} // namespace tovra::platform::host::setroot
