#pragma once

// GIF pictures through giflib: the first frame, drawn at the GIF's logical
// screen size. Pixels that the frame leaves uncovered or transparent show the
// screen's background colour (black when the GIF names none); the part of a
// frame that lies outside the screen is cut off, and its lines past the last
// one shown are never decoded; interlaced frames are put in order. A GIF
// without any frame, or one whose data ends before the last line of the
// first frame that shows, is undecodable. The result is Bgr24.

#include "picture/Image.h"

#include <string_view>

namespace tovra::picture {

/// The logical screen size, once the size guard takes the screen and the
/// first frame as decodeGif takes them; read from the descriptors, no pixel
/// decoded. Throws PictureError (TooLarge when the guard refuses).
[[nodiscard]] Size gifSize(std::string_view bytes);

/// Whether every frame lies inside the logical screen, from the frames'
/// descriptors alone. Only then does the size guard on the screen bound the
/// work of a reader that decodes every frame whole, as Qt's does. Throws
/// PictureError when the header is cut short.
[[nodiscard]] bool gifFramesInsideScreen(std::string_view bytes);

/// The first frame on the logical screen. Throws PictureError.
[[nodiscard]] Image decodeGif(std::string_view bytes);

} // namespace tovra::picture
