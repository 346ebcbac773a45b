#pragma once

// GIF pictures through giflib: the first frame, drawn at the GIF's logical
// screen size. Pixels that the frame leaves uncovered or transparent show the
// screen's background colour (black when the GIF names none); the part of a
// frame that lies outside the screen is cut off; interlaced frames are put
// in order. A GIF without any frame, or one whose data ends inside the first
// frame, is undecodable. The result is Bgr24.

#include "picture/Image.h"

#include <string_view>

namespace tovra::picture {

/// The logical screen size. Throws PictureError.
[[nodiscard]] Size gifSize(std::string_view bytes);

/// The first frame on the logical screen. Throws PictureError.
[[nodiscard]] Image decodeGif(std::string_view bytes);

} // namespace tovra::picture
