#include "picture/Image.h"

#include "picture/SizeGuard.h"

#include <algorithm>

namespace tovra::picture {

namespace {

std::size_t checkedStride(Size size, PixelFormat format) {
    checkPictureSize(size, format);
    return static_cast<std::size_t>(size.width) * static_cast<std::size_t>(bytesPerPixel(format));
}

} // namespace

Image::Image(Size size, PixelFormat format, Unfilled)
    : size_(size)
    , format_(format)
    , stride_(checkedStride(size, format))
    , pixels_(stride_ * static_cast<std::size_t>(size.height)) {}

Image::Image(Size size, PixelFormat format)
    : Image(size, format, Unfilled{}) {
    std::fill(pixels_.begin(), pixels_.end(), std::uint8_t{0});
}

Image toOpaqueBgrx32(const Image& image) {
    Image out(image.size(), PixelFormat::Bgrx32, Unfilled{});
    const int step = bytesPerPixel(image.format());
    for (int y = 0; y < image.height(); ++y) {
        const std::uint8_t* from = image.row(y);
        std::uint8_t* to = out.row(y);
        for (int x = 0; x < image.width(); ++x, from += step, to += 4) {
            if (image.format() == PixelFormat::Indexed8) {
                const PaletteColor color = image.palette()[*from];
                to[0] = static_cast<std::uint8_t>(color & 0xFF);
                to[1] = static_cast<std::uint8_t>((color >> 8) & 0xFF);
                to[2] = static_cast<std::uint8_t>((color >> 16) & 0xFF);
            } else {
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
            }
            to[3] = 0xFF;
        }
    }
    return out;
}

} // namespace tovra::picture
