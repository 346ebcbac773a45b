#pragma once

// Resizing as GDI's StretchBlt does it in COLORONCOLOR mode (SetStretchBltMode
// 3, also called STRETCH_DELETESCANS): every pixel of the result is one pixel
// of the source, no blending and no smoothing. Along each axis the choice is
// a Bresenham walk whose decision point is the middle between two pixel
// centres. When shrinking, several source pixels fall on one target pixel:
// along a row the last of them is kept (each is drawn over the one before),
// and of several rows the first is kept (the others are deleted), as GDI does
// it (checked against GDI itself under Wine).

#include "picture/Image.h"

#include <cstdint>
#include <vector>

namespace tovra::picture {

enum class Axis { Horizontal, Vertical };

/// For each of targetLength positions along the axis, the source position
/// StretchBlt copies from when it maps sourceLength pixels onto targetLength
/// (both at least 1).
[[nodiscard]] std::vector<int> stretchAxis(int sourceLength, int targetLength, Axis axis);

/// One row of a resized picture: to[x] = from[columns[x]], pixels of format.
void stretchRow(PixelFormat format, const std::uint8_t* from, const std::vector<int>& columns,
                std::uint8_t* to);

/// The whole of source drawn onto the whole of a new picture of the given
/// size, in source's format (with its palette). Throws PictureError when the
/// size guard refuses the size.
[[nodiscard]] Image stretch(const Image& source, Size size);

} // namespace tovra::picture
