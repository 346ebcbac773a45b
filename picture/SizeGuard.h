#pragma once

// The largest picture the program decodes. A picture file is small and its
// header can claim any size; the guard is checked from the header, before the
// pixels' memory is taken, so a hostile file cannot make the program take
// gigabytes. A refused picture is treated like an undecodable one.

#include "picture/Image.h"

#include <cstdint>

namespace tovra::picture {

inline constexpr int kMaxPictureSide = 32768;
inline constexpr std::uint64_t kMaxPictureBytes = std::uint64_t{1} << 30; // 1 GiB

/// Whether a picture of this size and format may be decoded: both sides
/// between 1 and kMaxPictureSide, and its pixels at most kMaxPictureBytes.
[[nodiscard]] bool isAllowedSize(Size size, PixelFormat format);

/// Throws PictureError (TooLarge, or Undecodable for an empty size) when
/// isAllowedSize refuses.
void checkPictureSize(Size size, PixelFormat format);

} // namespace tovra::picture
