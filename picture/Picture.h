#pragma once

// The picture library's entry: a format and the bytes of a file give a size
// or a picture. Decoders of each format: Bmp.h, Jpeg.h, Gif.h; resizing:
// Stretch.h; files: PictureFile.h; failures: PictureError.h; the largest
// picture taken: SizeGuard.h.

#include "picture/Image.h"

#include <optional>
#include <string_view>

namespace tovra::picture {

enum class PictureFormat { Bmp, Jpeg, Gif };

/// The format the first bytes announce ("BM", the JPEG start marker, "GIF8");
/// nothing for anything else.
[[nodiscard]] std::optional<PictureFormat> formatOfContent(std::string_view bytes);

/// The size the header states, without decoding pixels: the check every path
/// makes before it takes a picture, the size guard included. Throws
/// PictureError (TooLarge when the guard refuses).
[[nodiscard]] Size pictureSize(std::string_view bytes, PictureFormat format);

/// The decoded picture. atLeast lets a JPEG be decoded at a reduced scale that
/// still covers it (see decodeJpeg); the other formats ignore it. Throws
/// PictureError.
[[nodiscard]] Image decodePicture(std::string_view bytes, PictureFormat format,
                                  std::optional<Size> atLeast = std::nullopt);

/// The decoded picture resized to size with stretch(); a JPEG is decoded at a
/// reduced scale and resized row by row (decodeJpegToSize). Throws PictureError.
[[nodiscard]] Image decodePictureToSize(std::string_view bytes, PictureFormat format, Size size);

} // namespace tovra::picture
