#pragma once

// The path a JPEG or GIF takes through the program: its size from the header,
// the whole picture (as the painting window's stamp and the wallpaper bitmap
// take it) and a picture decoded straight to a screen's size (as the preview
// and the apply sequence take it). Every failure must be a PictureError.

#include "FuzzCheck.h"
#include "picture/Picture.h"
#include "picture/PictureError.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tovra::fuzz {

// Whole pictures beyond this are not decoded: a 20-byte file may state a
// picture of most of a gigabyte, which the size guard lets through, and
// filling that much memory per input would slow the fuzzer to a crawl
// without reaching any new code. Only a JPEG is decoded at a reduced scale
// then; a GIF is always drawn whole, even for a small screen.
inline constexpr long long kWholePictureLimit = 4LL * 1024 * 1024;

inline int decodeAsThePictureDoes(const std::uint8_t* data, std::size_t size,
                                  picture::PictureFormat format) {
    using namespace tovra::picture;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const Size stated = pictureSize(bytes, format);
        if (static_cast<long long>(stated.width) * stated.height <= kWholePictureLimit) {
            const Image whole = decodePicture(bytes, format);
            TOVRA_FUZZ_CHECK(whole.size() == stated);
        } else if (format != PictureFormat::Jpeg) {
            return 0;
        }
        const Size screen{97, 61};
        const Image fitted = decodePictureToSize(bytes, format, screen);
        TOVRA_FUZZ_CHECK(fitted.size() == screen);
    } catch (const PictureError&) {
    }
    return 0;
}

} // namespace tovra::fuzz
