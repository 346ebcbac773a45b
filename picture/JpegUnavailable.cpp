// A build without libjpeg (the Windows cross build: Debian has no mingw
// package of it) still links; every JPEG is then a picture it cannot decode.

#include "picture/Jpeg.h"
#include "picture/PictureError.h"

namespace tovra::picture {

namespace {

[[noreturn]] void noDecoder() {
    throw PictureError(PictureFault::NoDecoder, "This build cannot decode JPEG pictures");
}

} // namespace

Size jpegSize(std::string_view /*bytes*/) {
    noDecoder();
}

Image decodeJpeg(std::string_view /*bytes*/, std::optional<Size> /*atLeast*/) {
    noDecoder();
}

Image decodeJpegToSize(std::string_view /*bytes*/, Size /*size*/) {
    noDecoder();
}

} // namespace tovra::picture
