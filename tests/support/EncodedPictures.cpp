#include "tests/support/EncodedPictures.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gif_lib.h>
#include <jpeglib.h>
#include <stdexcept>

namespace tovra::test {

namespace {

void compressRows(jpeg_compress_struct& info, const picture::Image& image, JpegKind kind) {
    std::vector<unsigned char> row(static_cast<std::size_t>(image.width()) * 4);
    while (info.next_scanline < info.image_height) {
        const std::uint8_t* bgr = image.row(static_cast<int>(info.next_scanline));
        for (int x = 0; x < image.width(); ++x) {
            const std::uint8_t* p = bgr + 3 * x;
            if (kind == JpegKind::Grayscale) {
                row[static_cast<std::size_t>(x)] =
                    static_cast<unsigned char>((p[0] + p[1] + p[2]) / 3);
            } else if (kind == JpegKind::Cmyk) { // Adobe's inverted inks, no black
                std::memcpy(&row[4 * static_cast<std::size_t>(x)],
                            std::array<unsigned char, 4>{p[2], p[1], p[0], 255}.data(), 4);
            } else {
                std::memcpy(&row[3 * static_cast<std::size_t>(x)],
                            std::array<unsigned char, 3>{p[2], p[1], p[0]}.data(), 3);
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
}

} // namespace

std::string jpegFile(const picture::Image& image, JpegKind kind) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_CreateCompress(&info, JPEG_LIB_VERSION, sizeof info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = kind == JpegKind::Grayscale ? 1 : kind == JpegKind::Cmyk ? 4 : 3;
    info.in_color_space = kind == JpegKind::Grayscale ? JCS_GRAYSCALE
                          : kind == JpegKind::Cmyk    ? JCS_CMYK
                                                      : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (kind == JpegKind::Progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    compressRows(info, image, kind);
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

std::string withFrameHeader(std::string jpeg, int precision, picture::Size size) {
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && marker >= 0xC0 && marker <= 0xC2) {
            jpeg[i + 1] = static_cast<char>(precision == 8 ? marker : 0xC1);
            jpeg[i + 4] = static_cast<char>(precision);
            jpeg[i + 5] = static_cast<char>(size.height >> 8);
            jpeg[i + 6] = static_cast<char>(size.height & 0xFF);
            jpeg[i + 7] = static_cast<char>(size.width >> 8);
            jpeg[i + 8] = static_cast<char>(size.width & 0xFF);
            return jpeg;
        }
    }
    throw std::runtime_error("no frame header");
}

namespace {

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

void writeFrame(GifFileType* gif, const GifFrame& frame) {
    if (frame.transparentIndex) {
        GraphicsControlBlock control{};
        control.TransparentColor = *frame.transparentIndex;
        GifByteType block[4];
        const auto length = EGifGCBToExtension(&control, block);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), block);
    }
    EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlaced,
                     nullptr);
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.width));
    // Interlaced frames are stored in the interlace order; the encoder takes
    // lines as given.
    std::vector<int> order;
    if (frame.interlaced) {
        for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
            for (int y = start; y < frame.height; y += step) {
                order.push_back(y);
            }
        }
    } else {
        for (int y = 0; y < frame.height; ++y) {
            order.push_back(y);
        }
    }
    for (const int y : order) {
        for (int x = 0; x < frame.width; ++x) {
            line[static_cast<std::size_t>(x)] =
                static_cast<GifPixelType>(frame.fillIndex.value_or((x + 16 * y) % 256));
        }
        EGifPutLine(gif, line.data(), frame.width);
    }
}

} // namespace

std::string gifFile(picture::Size screen, const std::vector<GifFrame>& frames) {
    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    GifColorType colors[256];
    for (int i = 0; i < 256; ++i) {
        colors[i] = {static_cast<GifByteType>(i), static_cast<GifByteType>(255 - i), 0};
    }
    ColorMapObject* map = GifMakeMapObject(256, colors);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, screen.width, screen.height, 8, 1, map);
    for (const GifFrame& frame : frames) {
        writeFrame(gif, frame);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

std::string withFirstFrameSize(std::string gif, picture::Size size) {
    constexpr std::size_t kDescriptor = 13 + 3 * 256; // after the header and the palette
    if (gif.size() < kDescriptor + 10 || gif[kDescriptor] != ',') {
        throw std::runtime_error("no frame descriptor after the palette");
    }
    for (const auto& [at, value] :
         {std::pair{kDescriptor + 5, size.width}, {kDescriptor + 7, size.height}}) {
        gif[at] = static_cast<char>(value & 0xFF);
        gif[at + 1] = static_cast<char>(value >> 8);
    }
    return gif;
}

} // namespace tovra::test
