// Any bytes either are refused with PictureError or decode to the size the
// header states; the decoded picture written as a bitmap reads back the same.
#include "FuzzCheck.h"
#include "picture/Bmp.h"
#include "picture/PictureError.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

using namespace tovra::picture;

namespace {

bool samePixels(const Image& a, const Image& b) {
    if (a.size() != b.size() || a.format() != b.format()) {
        return false;
    }
    const auto rowBytes = static_cast<std::size_t>(a.width() * bytesPerPixel(a.format()));
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.row(y), b.row(y), rowBytes) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const Size stated = bmpSize(bytes);
        const Image image = decodeBmp(bytes);
        TOVRA_FUZZ_CHECK(image.size() == stated);
        const Image again = decodeBmp(encodeBmp(image));
        TOVRA_FUZZ_CHECK(samePixels(image, again));
    } catch (const PictureError&) {
    }
    return 0;
}
