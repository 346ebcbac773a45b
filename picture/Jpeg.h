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

/// The size the file's frame header states. Throws PictureError (TooLarge
/// when the size guard refuses the picture at full size).
[[nodiscard]] Size jpegSize(std::string_view bytes);

/// The picture, at full size; or, given atLeast, at the smallest of the scales
/// 1/8, 1/4, 1/2 and 1 that still covers atLeast in both directions. Scaling
/// in the DCT saves most of the decoding time of a large picture that is shown
/// or applied smaller; these four are the scales libjpeg-turbo decodes with
/// SIMD code (3/8, say, decodes fewer pixels but more slowly than 1/2).
/// Throws PictureError.
[[nodiscard]] Image decodeJpeg(std::string_view bytes, std::optional<Size> atLeast = std::nullopt);

/// The picture resized to size: decoded at the smallest fast scale that covers
/// size, then resized as stretch() does, a row at a time, so that the decoded
/// picture is never held whole. Throws PictureError.
[[nodiscard]] Image decodeJpegToSize(std::string_view bytes, Size size);

} // namespace tovra::picture
