#include "wallpaper/core/WallpaperRules.h"

#include <cmath>

namespace tovra::wallpaper {

int roundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    const auto base = static_cast<int>(lower);
    if (fraction > 0.5 || (fraction == 0.5 && base % 2 != 0)) {
        return base + 1;
    }
    return base;
}

picture::Size fitToScreen(picture::Size picture, picture::Size screen) {
    if (picture == screen) {
        return picture;
    }
    const double widthRatio = static_cast<double>(picture.width) / screen.width;
    const double heightRatio = static_cast<double>(picture.height) / screen.height;
    const double ratio = widthRatio > heightRatio ? widthRatio : heightRatio;
    return {roundHalfEven(picture.width / ratio), roundHalfEven(picture.height / ratio)};
}

int ChooseSmartStyle(double referenceWidth, double screenWidth) {
    if (referenceWidth < 0.75 * screenWidth) {
        return kStyleTile;
    }
    return referenceWidth < screenWidth ? kStyleStretch : kStyleCentre;
}

int styleToWrite(int displayStyle, int referenceWidth, int screenWidth) {
    if (displayStyle == kStyleSmart) {
        return ChooseSmartStyle(referenceWidth, screenWidth);
    }
    return displayStyle >= kStyleCentre && displayStyle <= kStyleStretch ? displayStyle
                                                                         : kStyleCentre;
}

} // namespace tovra::wallpaper
