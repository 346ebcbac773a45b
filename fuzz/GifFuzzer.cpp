#include "PictureFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tovra::fuzz::decodeAsThePictureDoes(data, size, tovra::picture::PictureFormat::Gif);
}
