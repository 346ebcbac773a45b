#include "wallpaper/core/PreviewRules.h"

#include "wallpaper/core/WallpaperRules.h"

#include <algorithm>

namespace tovra::wallpaper {

PreviewPlacement placeInPanel(picture::Size picture, picture::Size panel) {
    if (picture.width <= 0 || picture.height <= 0) {
        return {panel.width / 2, panel.height / 2, 0, 0};
    }
    double width = picture.width;
    double height = picture.height;
    const double ratio = width / height;
    if (panel.width < width) {
        width = panel.width;
        height = width / ratio;
    }
    if (panel.height < height) {
        height = panel.height;
        width = height * ratio;
    }
    const int shownWidth = std::min(roundHalfEven(width), panel.width);
    const int shownHeight = std::min(roundHalfEven(height), panel.height);
    return {(panel.width - shownWidth) / 2, (panel.height - shownHeight) / 2, shownWidth,
            shownHeight};
}

int entryAfter(int selected, int count) {
    if (count <= 0) {
        return -1;
    }
    return std::clamp(selected + 1, 0, count - 1);
}

int entryBefore(int selected) {
    return std::max(selected - 1, -1);
}

} // namespace tovra::wallpaper
