#pragma once

// The arithmetic of the wallpaper setter: the size a picture is fitted to, the
// smart display style, and the style code written for a stored display style.

#include "picture/Image.h"

namespace tovra::wallpaper {

/// DisplayStyle codes; the first three are also the "wallpaperstyle" values.
inline constexpr int kStyleCentre = 0;
inline constexpr int kStyleTile = 1;
inline constexpr int kStyleStretch = 2;
inline constexpr int kStyleSmart = 3;

/// Rounds to the nearest integer, a half to the even one.
[[nodiscard]] int roundHalfEven(double value);

/// FitWallpaperToScreen's size: the picture scaled by the larger of its two
/// side ratios to the screen, so that one side equals the screen's and the
/// other is no larger; pictures smaller than the screen grow alike. Sides are
/// rounded to the nearest integer, halves to the even neighbour. A picture of
/// exactly the screen's size keeps it. Screen sides must be positive.
[[nodiscard]] picture::Size fitToScreen(picture::Size picture, picture::Size screen);

/// The smart style for a picture referenceWidth wide on a screen screenWidth
/// wide: tile below 3/4 of the screen, stretch from there to just below the
/// screen's width, centre from the screen's width on.
[[nodiscard]] int ChooseSmartStyle(double referenceWidth, double screenWidth);

/// The "wallpaperstyle" code for a stored display style: 0 to 2 as they are,
/// 3 through ChooseSmartStyle, anything else (a hand-edited file) centre.
[[nodiscard]] int styleToWrite(int displayStyle, int referenceWidth, int screenWidth);

} // namespace tovra::wallpaper
