// A build without giflib (the Windows cross build: Debian has no mingw
// package of it) still links; every GIF is then a picture it cannot decode.

#include "picture/Gif.h"
#include "picture/PictureError.h"

namespace tovra::picture {

namespace {

[[noreturn]] void noDecoder() {
    throw PictureError(PictureFault::NoDecoder, "This build cannot decode GIF pictures");
}

} // namespace

Size gifSize(std::string_view /*bytes*/) {
    noDecoder();
}

bool gifFramesInsideScreen(std::string_view /*bytes*/) {
    noDecoder();
}

Image decodeGif(std::string_view /*bytes*/) {
    noDecoder();
}

} // namespace tovra::picture
