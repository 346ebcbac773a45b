#pragma once

// The picture preview window's rules: where a picture stands in its panel,
// and where its two step buttons move the wallpaper list's selection.

#include "picture/Image.h"

namespace tovra::wallpaper {

/// A picture's rectangle inside the panel.
struct PreviewPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PreviewPlacement&, const PreviewPlacement&) = default;
};

/// A picture no larger than the panel keeps its size; a larger one takes the
/// largest size that fits, its aspect ratio kept (sides rounded to the
/// nearest integer, halves to the even one). Either way it is centred, the
/// offsets rounded toward zero. A picture without area takes none.
[[nodiscard]] PreviewPlacement placeInPanel(picture::Size picture, picture::Size panel);

/// "<<": the entry after the selected one (-1: none selected), the first when
/// none is; the last one stays selected. -1 for an empty list.
[[nodiscard]] int entryAfter(int selected, int count);

/// ">>": the entry before the selected one; none (-1) from the first, and
/// with none selected.
[[nodiscard]] int entryBefore(int selected);

} // namespace tovra::wallpaper
