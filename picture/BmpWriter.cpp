#include "picture/Bmp.h"

namespace tovra::picture {

namespace {

constexpr std::size_t kHeadersSize = 14 + 40;

void put(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

} // namespace

std::string encodeBmp(const Image& image) {
    const int bits = 8 * bytesPerPixel(image.format());
    const std::size_t paletteSize = image.format() == PixelFormat::Indexed8 ? 256 * 4 : 0;
    const std::size_t stride = (image.stride() + 3) / 4 * 4;
    const std::size_t pixelsAt = kHeadersSize + paletteSize;
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(image.height());
    std::string bytes(pixelsAt, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(bytes, 2, static_cast<std::uint32_t>(pixelsAt + pixelBytes), 4);
    put(bytes, 10, static_cast<std::uint32_t>(pixelsAt), 4);
    put(bytes, 14, 40, 4);
    put(bytes, 18, static_cast<std::uint32_t>(image.width()), 4);
    put(bytes, 22, static_cast<std::uint32_t>(image.height()), 4);
    put(bytes, 26, 1, 2);
    put(bytes, 28, static_cast<std::uint32_t>(bits), 2);
    put(bytes, 34, static_cast<std::uint32_t>(pixelBytes), 4);
    if (paletteSize != 0) {
        put(bytes, 46, 256, 4);
        for (std::size_t i = 0; i < 256; ++i) {
            put(bytes, kHeadersSize + 4 * i, image.palette()[i], 4);
        }
    }
    // Appended row by row, bottom row first: the pixels are written once.
    bytes.reserve(pixelsAt + pixelBytes);
    const std::size_t padding = stride - image.stride();
    for (int y = image.height() - 1; y >= 0; --y) {
        bytes.append(reinterpret_cast<const char*>(image.row(y)), image.stride());
        bytes.append(padding, '\0');
    }
    return bytes;
}

} // namespace tovra::picture
