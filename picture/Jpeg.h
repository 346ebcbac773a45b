#pragma once

// JPEG pictures, decoded by libjpeg-turbo through the libjpeg interface. A
// damaged file is an error, never the end of the process: libjpeg's own error
// handler (which exits) is replaced by one that returns to the caller. A file
// that ends before its last scan is refused rather than shown half grey;
// warnings about recoverable damage are not.
//
// Colour pictures give Bgr24, grayscale ones Indexed8 with a grey palette,
// CMYK and YCCK ones (from print work) are turned into Bgr24. Precisions other
// than 8 bits, and everything libjpeg refuses, are undecodable.

#include "picture/Image.h"

#include <optional>
#include <string_view>

namespace tovra::picture {

/// The size the file's frame header states. Throws PictureError.
[[nodiscard]] Size jpegSize(std::string_view bytes);

/// The picture, at full size; or, given atLeast, at the smallest of libjpeg's
/// reduced scales M/8 (M = 1 to 8) that still covers atLeast in both
/// directions. Scaling in the DCT saves most of the decoding time of a large
/// picture that is shown or applied smaller. Throws PictureError.
[[nodiscard]] Image decodeJpeg(std::string_view bytes, std::optional<Size> atLeast = std::nullopt);

} // namespace tovra::picture
