// decodeGif over giflib, reading the file's bytes from memory and stopping at
// the first frame; gifSize and gifFramesInsideScreen from the GIF's outline.

#include "picture/Gif.h"
#include "picture/GifOutline.h"
#include "picture/PictureError.h"
#include "picture/SizeGuard.h"

#include <algorithm>
#include <cstring>
#include <gif_lib.h>
#include <string>
#include <vector>

namespace tovra::picture {

namespace {

[[noreturn]] void undecodable(int error) {
    const char* reason = GifErrorString(error);
    throw PictureError(PictureFault::Undecodable, std::string("Not a readable GIF picture: ") +
                                                      (reason != nullptr ? reason : "no frame"));
}

struct Source {
    std::string_view bytes;
    std::size_t at = 0;
};

int readBytes(GifFileType* gif, GifByteType* buffer, int wanted) {
    auto* source = static_cast<Source*>(gif->UserData);
    const std::size_t count =
        std::min(static_cast<std::size_t>(std::max(wanted, 0)), source->bytes.size() - source->at);
    std::memcpy(buffer, source->bytes.data() + source->at, count);
    source->at += count;
    return static_cast<int>(count);
}

class GifSession {
public:
    explicit GifSession(std::string_view bytes)
        : source_{bytes} {
        int error = 0;
        gif_ = DGifOpen(&source_, readBytes, &error);
        if (gif_ == nullptr) {
            undecodable(error);
        }
    }
    ~GifSession() { DGifCloseFile(gif_, nullptr); }
    GifSession(const GifSession&) = delete;
    GifSession& operator=(const GifSession&) = delete;

    [[nodiscard]] GifFileType* get() const { return gif_; }
    void check(int result) const {
        if (result == GIF_ERROR) {
            undecodable(gif_->Error);
        }
    }

private:
    Source source_;
    GifFileType* gif_ = nullptr;
};

Size screenSize(const GifFileType* gif) {
    return {gif->SWidth, gif->SHeight};
}

void putColor(const ColorMapObject* map, int index, std::uint8_t* bgr) {
    if (map == nullptr || index < 0 || index >= map->ColorCount) {
        bgr[0] = bgr[1] = bgr[2] = 0;
        return;
    }
    const GifColorType& color = map->Colors[index];
    bgr[0] = color.Blue;
    bgr[1] = color.Green;
    bgr[2] = color.Red;
}

/// The screen row of each line of a frame, in the order the file stores them.
std::vector<int> lineRows(const GifImageDesc& frame) {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(frame.Height));
    if (!frame.Interlace) {
        for (int line = 0; line < frame.Height; ++line) {
            rows.push_back(frame.Top + line);
        }
        return rows;
    }
    constexpr int kStart[] = {0, 4, 2, 1};
    constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int line = kStart[pass]; line < frame.Height; line += kStep[pass]) {
            rows.push_back(frame.Top + line);
        }
    }
    return rows;
}

void drawFrame(const GifSession& session, int transparent, Image& image) {
    GifFileType* gif = session.get();
    const GifImageDesc& frame = gif->Image;
    checkGifFrameSize({frame.Width, frame.Height});
    const ColorMapObject* map = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    // Only the part on the screen is drawn, and no line after the last one
    // that lands there is decoded: a frame far larger than its screen costs
    // what its visible rows cost (an interlaced one, all but the part of its
    // last pass below the screen).
    const int columns = std::clamp(image.width() - frame.Left, 0, frame.Width);
    const std::vector<int> rows = lineRows(frame);
    const auto lastShown =
        std::find_if(rows.rbegin(), rows.rend(), [&image](int y) { return y < image.height(); });
    const auto lines = columns == 0 ? 0 : rows.rend() - lastShown;
    std::vector<GifPixelType> line(static_cast<std::size_t>(std::max(frame.Width, 1)));
    for (std::ptrdiff_t i = 0; i < lines; ++i) {
        session.check(DGifGetLine(gif, line.data(), frame.Width));
        const int y = rows[static_cast<std::size_t>(i)];
        if (y >= image.height()) {
            continue;
        }
        std::uint8_t* row = image.row(y);
        for (int x = 0; x < columns; ++x) {
            const int index = line[static_cast<std::size_t>(x)];
            if (index != transparent) {
                putColor(map, index, row + 3 * static_cast<std::size_t>(frame.Left + x));
            }
        }
    }
}

/// The transparent colour a graphic control extension names; -1 for none.
int readExtension(const GifSession& session, int transparent) {
    int code = 0;
    GifByteType* block = nullptr;
    session.check(DGifGetExtension(session.get(), &code, &block));
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
        GraphicsControlBlock control{};
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
            transparent = control.TransparentColor;
        }
    }
    while (block != nullptr) {
        session.check(DGifGetExtensionNext(session.get(), &block));
    }
    return transparent;
}

void fillBackground(const GifFileType* gif, Image& image) {
    std::uint8_t bgr[3];
    putColor(gif->SColorMap, gif->SBackGroundColor, bgr);
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* row = image.row(y);
        for (int x = 0; x < image.width(); ++x) {
            std::memcpy(row + 3 * static_cast<std::size_t>(x), bgr, 3);
        }
    }
}

} // namespace

Size gifSize(std::string_view bytes) {
    const GifOutline outline = outlineGif(bytes);
    checkPictureSize(outline.screen, PixelFormat::Bgr24);
    if (!outline.firstFrame) {
        undecodable(D_GIF_ERR_NO_IMAG_DSCR);
    }
    checkGifFrameSize(*outline.firstFrame);
    return outline.screen;
}

bool gifFramesInsideScreen(std::string_view bytes) {
    return outlineGif(bytes).framesInsideScreen;
}

Image decodeGif(std::string_view bytes) {
    const GifSession session(bytes);
    GifFileType* gif = session.get();
    checkPictureSize(screenSize(gif), PixelFormat::Bgr24);
    Image image(screenSize(gif), PixelFormat::Bgr24, Unfilled{}); // filled with the background
    fillBackground(gif, image);
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        session.check(DGifGetRecordType(gif, &record));
        if (record == EXTENSION_RECORD_TYPE) {
            transparent = readExtension(session, transparent);
        } else if (record == IMAGE_DESC_RECORD_TYPE) {
            session.check(DGifGetImageDesc(gif));
            drawFrame(session, transparent, image);
            return image;
        } else {
            undecodable(D_GIF_ERR_NO_IMAG_DSCR); // the trailer, or garbage, before any frame
        }
    }
}

} // namespace tovra::picture
