// decodeJpeg and jpegSize over libjpeg-turbo.
//
// libjpeg reports a fatal error by calling error_exit, which must not
// return. Ours jumps back (longjmp) to the guard that started the libjpeg
// call; the guard turns it into a PictureError. Between the guard's setjmp
// and the libjpeg calls no C++ object with a destructor is created, so the
// jump skips nothing that needs cleaning up; the session's destructor frees
// libjpeg's memory once the exception leaves.

#include "picture/Jpeg.h"

#include "picture/PictureError.h"
#include "picture/SizeGuard.h"
#include "picture/Stretch.h"

#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <string>
#include <vector>

namespace tovra::picture {

namespace {

struct ErrorManager {
    jpeg_error_mgr base; // first: libjpeg only knows this part
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
    if (level >= 0) {
        return; // trace messages
    }
    // A file that ends early, or whose coded data stops at a marker before
    // the picture is complete, would come out grey from the break on; and a
    // 300-byte file stating a huge picture would keep the decoder busy for
    // seconds filling it in.
    if (info->err->msg_code == JWRN_JPEG_EOF || info->err->msg_code == JWRN_HIT_MARKER) {
        jumpBack(info);
    }
    ++info->err->num_warnings;
}

class JpegSession {
public:
    explicit JpegSession(std::string_view bytes) {
        info_.err = jpeg_std_error(&errors_.base);
        errors_.base.error_exit = jumpBack;
        errors_.base.emit_message = onMessage;
        errors_.message[0] = '\0';
        try {
            guarded([this, bytes](jpeg_decompress_struct& info) {
                jpeg_CreateDecompress(&info, JPEG_LIB_VERSION, sizeof info);
                created_ = true;
                jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                             static_cast<unsigned long>(bytes.size()));
                jpeg_read_header(&info, TRUE);
            });
        } catch (...) {
            // A constructor that throws gets no destructor call.
            destroy();
            throw;
        }
    }
    ~JpegSession() { destroy(); }
    JpegSession(const JpegSession&) = delete;
    JpegSession& operator=(const JpegSession&) = delete;

    /// Runs libjpeg calls; a libjpeg error becomes a PictureError.
    template <typename Calls>
    void guarded(Calls&& calls) {
        if (setjmp(errors_.jump) != 0) {
            throw PictureError(PictureFault::Undecodable,
                               std::string("Not a readable JPEG picture: ") + errors_.message);
        }
        calls(info_);
    }

    [[nodiscard]] jpeg_decompress_struct& info() { return info_; }

private:
    void destroy() {
        if (created_) {
            jpeg_destroy_decompress(&info_);
            created_ = false;
        }
    }

    jpeg_decompress_struct info_{};
    ErrorManager errors_{};
    bool created_ = false;
};

bool isCmyk(const jpeg_decompress_struct& info) {
    return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

/// Sets the output colours and scale; returns the picture's format.
PixelFormat prepareOutput(JpegSession& session, std::optional<Size> atLeast) {
    jpeg_decompress_struct& info = session.info();
    PixelFormat format = PixelFormat::Bgr24;
    if (info.jpeg_color_space == JCS_GRAYSCALE) {
        info.out_color_space = JCS_GRAYSCALE;
        format = PixelFormat::Indexed8;
    } else {
        info.out_color_space = isCmyk(info) ? JCS_CMYK : JCS_EXT_BGR;
    }
    // Beyond this, libjpeg would need a backing store for a progressive
    // picture's coefficients; it has none and refuses.
    info.mem->max_memory_to_use = static_cast<long>(kMaxPictureBytes);
    session.guarded([atLeast](jpeg_decompress_struct& decompress) {
        decompress.scale_denom = 8;
        for (unsigned eighths = atLeast ? 1 : 8; eighths <= 8; eighths *= 2) {
            decompress.scale_num = eighths;
            jpeg_calc_output_dimensions(&decompress);
            if (!atLeast || (static_cast<int>(decompress.output_width) >= atLeast->width &&
                             static_cast<int>(decompress.output_height) >= atLeast->height)) {
                break;
            }
        }
    });
    return format;
}

void setGreyPalette(Image& image) {
    for (PaletteColor level = 0; level < 256; ++level) {
        image.palette()[level] = level | (level << 8) | (level << 16);
    }
}

/// Adobe's CMYK JPEGs store the inks inverted; others store them as they are.
void cmykToBgr(const unsigned char* cmyk, std::uint8_t* bgr, int width, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        const auto ink = [&](int i) { return inverted ? cmyk[i] : 255 - cmyk[i]; };
        const int black = ink(3);
        bgr[0] = static_cast<std::uint8_t>(ink(2) * black / 255);
        bgr[1] = static_cast<std::uint8_t>(ink(1) * black / 255);
        bgr[2] = static_cast<std::uint8_t>(ink(0) * black / 255);
    }
}

/// A decoding in progress: the output's format and size, and a row of CMYK
/// inks when the picture is in print colours.
struct Output {
    PixelFormat format = PixelFormat::Bgr24;
    Size size;
    std::vector<unsigned char> cmykRow;
};

Output startOutput(JpegSession& session, std::optional<Size> atLeast) {
    Output output;
    output.format = prepareOutput(session, atLeast);
    const jpeg_decompress_struct& info = session.info();
    output.size = {static_cast<int>(info.output_width), static_cast<int>(info.output_height)};
    checkPictureSize(output.size, output.format);
    output.cmykRow.resize(isCmyk(info) ? static_cast<std::size_t>(output.size.width) * 4 : 0);
    return output;
}

/// Decodes every row: row y goes to rowFor(y), then done(y) is called.
template <typename RowFor, typename Done>
void readRows(JpegSession& session, Output& output, RowFor rowFor, Done done) {
    session.guarded([&output, &rowFor, &done](jpeg_decompress_struct& info) {
        jpeg_start_decompress(&info);
        const bool cmyk = !output.cmykRow.empty();
        while (info.output_scanline < info.output_height) {
            const int y = static_cast<int>(info.output_scanline);
            JSAMPROW row = cmyk ? output.cmykRow.data() : rowFor(y);
            jpeg_read_scanlines(&info, &row, 1);
            if (cmyk) {
                cmykToBgr(output.cmykRow.data(), rowFor(y), output.size.width,
                          info.saw_Adobe_marker);
            }
            done(y);
        }
        jpeg_finish_decompress(&info);
    });
}

Image newImage(Size size, PixelFormat format) {
    Image image(size, format, Unfilled{}); // every row is decoded or resized into
    if (format == PixelFormat::Indexed8) {
        setGreyPalette(image);
    }
    return image;
}

} // namespace

Size jpegSize(std::string_view bytes) {
    JpegSession session(bytes);
    const jpeg_decompress_struct& info = session.info();
    const Size size{static_cast<int>(info.image_width), static_cast<int>(info.image_height)};
    // As decoded at full size: a picture that only a reduced scale would let
    // through is refused as well, so that every path takes the same pictures.
    checkPictureSize(size, info.jpeg_color_space == JCS_GRAYSCALE ? PixelFormat::Indexed8
                                                                  : PixelFormat::Bgr24);
    return size;
}

Image decodeJpeg(std::string_view bytes, std::optional<Size> atLeast) {
    JpegSession session(bytes);
    Output output = startOutput(session, atLeast);
    Image image = newImage(output.size, output.format);
    readRows(
        session, output, [&image](int y) { return image.row(y); }, [](int) {});
    return image;
}

Image decodeJpegToSize(std::string_view bytes, Size size) {
    JpegSession session(bytes);
    Output output = startOutput(session, size);
    Image image = newImage(size, output.format);
    const std::vector<int> columns = stretchAxis(output.size.width, size.width, Axis::Horizontal);
    const std::vector<int> rows = stretchAxis(output.size.height, size.height, Axis::Vertical);
    std::vector<std::uint8_t> decoded(static_cast<std::size_t>(output.size.width) *
                                      static_cast<std::size_t>(bytesPerPixel(output.format)));
    std::size_t next = 0; // the next row of the result
    readRows(
        session, output, [&decoded](int) { return decoded.data(); },
        [&](int y) {
            for (; next < rows.size() && rows[next] == y; ++next) {
                stretchRow(output.format, decoded.data(), columns,
                           image.row(static_cast<int>(next)));
            }
        });
    return image;
}

} // namespace tovra::picture
