#include "picture/SizeGuard.h"

#include "picture/PictureError.h"

#include <string>

namespace tovra::picture {

bool isAllowedSize(Size size, PixelFormat format) {
    if (size.width < 1 || size.height < 1 || size.width > kMaxPictureSide ||
        size.height > kMaxPictureSide) {
        return false;
    }
    const auto bytes = static_cast<std::uint64_t>(size.width) *
                       static_cast<std::uint64_t>(size.height) *
                       static_cast<std::uint64_t>(bytesPerPixel(format));
    return bytes <= kMaxPictureBytes;
}

void checkPictureSize(Size size, PixelFormat format) {
    if (isAllowedSize(size, format)) {
        return;
    }
    const std::string text = std::to_string(size.width) + " x " + std::to_string(size.height);
    if (size.width < 1 || size.height < 1) {
        throw PictureError(PictureFault::Undecodable, "A picture of " + text + " pixels is empty");
    }
    throw PictureError(PictureFault::TooLarge, "A picture of " + text + " pixels is too large");
}

} // namespace tovra::picture
