#pragma once

// The Windows bitmap file format, read and written by the program itself.
//
// Read: 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up or top-down rows,
// BI_RGB, and BI_BITFIELDS for 16 and 32 bits; the core (OS/2), info, V2, V3,
// V4 and V5 headers. Anything else (run-length or embedded JPEG/PNG
// compression, other depths, pixel data shorter than the header says) is an
// undecodable picture. 1-, 4- and 8-bit pictures become Indexed8, 16- and
// 24-bit ones Bgr24, 32-bit ones Bgrx32.
//
// Written: an info header, BI_RGB, bottom-up rows padded to four bytes, and
// for Indexed8 a palette of 256 colours; 8, 24 or 32 bits as the picture's
// format says.

#include "picture/Image.h"

#include <string>
#include <string_view>

namespace tovra::picture {

/// The size the file's header states, without decoding the pixels. Throws
/// PictureError: Undecodable when the bytes are no bitmap this reader takes,
/// TooLarge when the size guard refuses the size.
[[nodiscard]] Size bmpSize(std::string_view bytes);

/// The picture a bitmap file holds. Throws PictureError.
[[nodiscard]] Image decodeBmp(std::string_view bytes);

/// The bytes of a bitmap file holding image.
[[nodiscard]] std::string encodeBmp(const Image& image);

} // namespace tovra::picture
