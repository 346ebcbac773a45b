#pragma once

// A GIF's blocks followed byte by byte, without decoding a pixel: the logical
// screen and where its frames lie. The header checks read it; giflib is not
// asked, as it keeps a record of every frame it passes, which a file of a
// million tiny frames would make large.

#include "picture/Image.h"

#include <optional>
#include <string_view>

namespace tovra::picture {

struct GifOutline {
    Size screen;
    /// The first frame's size; nothing when no frame descriptor comes before
    /// the trailer, the end of the data or a block no reader takes.
    std::optional<Size> firstFrame;
    /// Whether every frame found lies within the logical screen.
    bool framesInsideScreen = true;
};

/// The outline, up to the trailer or wherever the blocks can no longer be
/// followed: a reader stops there too. Throws PictureError (Undecodable) when
/// the bytes do not start with a GIF's header and the screen's colours.
[[nodiscard]] GifOutline outlineGif(std::string_view bytes);

/// The size guard on a frame, as its lines are decoded (one palette index a
/// pixel); a frame without area passes. Throws PictureError (TooLarge).
void checkGifFrameSize(Size frame);

} // namespace tovra::picture
