#pragma once

// Small pictures made in the tests, whose pixels all differ, so that a test
// sees which source pixel went where.

#include "picture/Image.h"

#include <cstdint>

namespace tovra::test {

/// Pixel (x, y) holds x in its first byte and y in its second (in its index
/// and palette for Indexed8, whose palette maps index i to a colour of its own).
[[nodiscard]] inline picture::Image patternPicture(picture::Size size,
                                                   picture::PixelFormat format) {
    picture::Image image(size, format);
    const int step = picture::bytesPerPixel(format);
    for (int y = 0; y < size.height; ++y) {
        std::uint8_t* row = image.row(y);
        for (int x = 0; x < size.width; ++x) {
            std::uint8_t* pixel = row + static_cast<std::ptrdiff_t>(x) * step;
            pixel[0] = static_cast<std::uint8_t>(x * 7 + y * 13);
            if (step > 1) {
                pixel[1] = static_cast<std::uint8_t>(y);
                pixel[2] = static_cast<std::uint8_t>(x + y);
            }
            if (step > 3) {
                pixel[3] = static_cast<std::uint8_t>(x);
            }
        }
    }
    for (std::uint32_t i = 0; i < 256; ++i) {
        image.palette()[i] = (i * 0x010305u) & 0xFFFFFFu;
    }
    return image;
}

/// A smooth colour picture, as a camera's would be: what JPEG compresses well.
[[nodiscard]] inline picture::Image photoPicture(picture::Size size) {
    picture::Image image(size, picture::PixelFormat::Bgr24);
    for (int y = 0; y < size.height; ++y) {
        std::uint8_t* row = image.row(y);
        for (int x = 0; x < size.width; ++x, row += 3) {
            row[0] = static_cast<std::uint8_t>(255 * x / size.width);
            row[1] = static_cast<std::uint8_t>(255 * y / size.height);
            row[2] = static_cast<std::uint8_t>(128);
        }
    }
    return image;
}

} // namespace tovra::test
