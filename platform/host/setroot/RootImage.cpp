#include "platform/host/setroot/RootImage.h"

#include <algorithm>

namespace tovra::platform::host::setroot {

namespace {

/// The picture's pixel shown at (i, j) of an area of size w by h.
std::uint32_t sourcePixel(const Pixels& picture, int i, int j, int w, int h, WallpaperStyle style) {
    const int pw = picture.width;
    const int ph = picture.height;
    switch (style) {
    case WallpaperStyle::Tiled:
        return picture.at(i % pw, j % ph);
    case WallpaperStyle::Stretched:
        return picture.at(static_cast<int>(static_cast<long long>(i) * pw / w),
                          static_cast<int>(static_cast<long long>(j) * ph / h));
    case WallpaperStyle::Centred:
        break;
    }
    const int x = i - (w - pw) / 2;
    const int y = j - (h - ph) / 2;
    return x >= 0 && x < pw && y >= 0 && y < ph ? picture.at(x, y) : 0u;
}

} // namespace

Pixels composeRoot(const Pixels& picture, int width, int height, const std::vector<Area>& areas,
                   WallpaperStyle style) {
    Pixels root{width, height,
                std::vector<std::uint32_t>(static_cast<std::size_t>(width) *
                                           static_cast<std::size_t>(height))};
    if (picture.width <= 0 || picture.height <= 0) {
        return root;
    }
    for (const Area& area : areas) {
        const int left = std::max(area.x, 0);
        const int top = std::max(area.y, 0);
        const int right = std::min(area.x + area.width, width);
        const int bottom = std::min(area.y + area.height, height);
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                root.rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)] =
                    sourcePixel(picture, x - area.x, y - area.y, area.width, area.height, style);
            }
        }
    }
    return root;
}

} // namespace tovra::platform::host::setroot
