#include "platform/host/setroot/InterimBmpDecoder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace tovra::platform::host::setroot {

namespace {

constexpr long long kMaxPixels = 100'000'000;

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8u) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

} // namespace

std::optional<Pixels> decodeInterimBmp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) {
        return std::nullopt;
    }
    const std::uint32_t offset = little(bytes, 10, 4);
    const auto width = static_cast<std::int32_t>(little(bytes, 18, 4));
    const auto rawHeight = static_cast<std::int32_t>(little(bytes, 22, 4));
    const std::uint32_t bits = little(bytes, 28, 2);
    const std::uint32_t compression = little(bytes, 30, 4);
    const long long height = std::llabs(rawHeight);
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPixels ||
        (bits != 24 && bits != 32) || compression != 0) {
        return std::nullopt;
    }
    const std::size_t stride = (static_cast<std::size_t>(width) * bits / 8 + 3) & ~std::size_t{3};
    if (offset > bytes.size() ||
        (bytes.size() - offset) / stride < static_cast<std::size_t>(height)) {
        return std::nullopt;
    }
    Pixels pixels{width, static_cast<int>(height), {}};
    pixels.rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (long long row = 0; row < height; ++row) {
        const long long stored =
            rawHeight > 0 ? height - 1 - row : row; // bottom-up unless negative
        const std::size_t start = offset + static_cast<std::size_t>(stored) * stride;
        for (std::int32_t x = 0; x < width; ++x) {
            pixels.rgb.push_back(little(bytes, start + static_cast<std::size_t>(x) * bits / 8, 3));
        }
    }
    return pixels;
}

} // namespace tovra::platform::host::setroot
