#include "platform/host/setroot/PictureSource.h"

#include "picture/Picture.h"
#include "picture/PictureError.h"
#include "picture/PictureFile.h"

#include <new>

namespace tovra::platform::host::setroot {

namespace {

/// Opaque B, G, R, 255 pixels as 0x00RRGGBB.
Pixels pixelsOf(const picture::Image& opaque) {
    Pixels pixels{opaque.width(), opaque.height(), {}};
    pixels.rgb.reserve(static_cast<std::size_t>(opaque.width()) *
                       static_cast<std::size_t>(opaque.height()));
    for (int y = 0; y < opaque.height(); ++y) {
        const std::uint8_t* from = opaque.row(y);
        for (int x = 0; x < opaque.width(); ++x, from += 4) {
            pixels.rgb.push_back(std::uint32_t{from[0]} | std::uint32_t{from[1]} << 8 |
                                 std::uint32_t{from[2]} << 16);
        }
    }
    return pixels;
}

} // namespace

// Every picture the program takes (BMP, JPEG, GIF), within the program's size
// guard: a file whose header claims a huge size is refused before its memory
// is taken.
std::optional<Pixels> loadPicture(const std::string& path) {
    try {
        const std::string bytes = picture::readPictureFile(path);
        const auto format = picture::formatOfContent(bytes);
        if (!format) {
            return std::nullopt;
        }
        return pixelsOf(picture::toOpaqueBgrx32(picture::decodePicture(bytes, *format)));
    } catch (const picture::PictureError&) {
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace tovra::platform::host::setroot
