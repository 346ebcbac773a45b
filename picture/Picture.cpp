#include "picture/Picture.h"

#include "picture/Bmp.h"
#include "picture/Gif.h"
#include "picture/Jpeg.h"
#include "picture/Stretch.h"

namespace tovra::picture {

std::optional<PictureFormat> formatOfContent(std::string_view bytes) {
    if (bytes.starts_with("BM")) {
        return PictureFormat::Bmp;
    }
    if (bytes.starts_with("\xFF\xD8")) {
        return PictureFormat::Jpeg;
    }
    if (bytes.starts_with("GIF8")) {
        return PictureFormat::Gif;
    }
    return std::nullopt;
}

Size pictureSize(std::string_view bytes, PictureFormat format) {
    switch (format) {
    case PictureFormat::Bmp:
        return bmpSize(bytes);
    case PictureFormat::Jpeg:
        return jpegSize(bytes);
    case PictureFormat::Gif:
        return gifSize(bytes);
    }
    return {};
}

Image decodePicture(std::string_view bytes, PictureFormat format, std::optional<Size> atLeast) {
    switch (format) {
    case PictureFormat::Bmp:
        return decodeBmp(bytes);
    case PictureFormat::Jpeg:
        return decodeJpeg(bytes, atLeast);
    case PictureFormat::Gif:
        return decodeGif(bytes);
    }
    return decodeBmp(bytes);
}

Image decodePictureToSize(std::string_view bytes, PictureFormat format, Size size) {
    if (format == PictureFormat::Jpeg) {
        return decodeJpegToSize(bytes, size);
    }
    Image image = decodePicture(bytes, format);
    return image.size() == size ? image : stretch(image, size);
}

} // namespace tovra::picture
