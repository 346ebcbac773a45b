#include "picture/GifOutline.h"

#include "picture/PictureError.h"
#include "picture/SizeGuard.h"

#include <algorithm>
#include <string>

namespace tovra::picture {

namespace {

constexpr std::size_t kHeaderBytes = 13; // the signature and the logical screen descriptor
constexpr std::size_t kDescriptorBytes = 9;
constexpr int kHasColourTable = 0x80;

int u16(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

class Cursor {
public:
    explicit Cursor(std::string_view bytes)
        : bytes_(bytes) {}

    /// The next count bytes; nothing, and the cursor at the end, when fewer are left.
    std::optional<std::string_view> take(std::size_t count) {
        if (count > bytes_.size() - at_) {
            at_ = bytes_.size();
            return std::nullopt;
        }
        const std::string_view taken = bytes_.substr(at_, count);
        at_ += count;
        return taken;
    }

    std::optional<int> byte() {
        const auto taken = take(1);
        return taken ? std::optional<int>(static_cast<unsigned char>((*taken)[0])) : std::nullopt;
    }

    /// Passes the colour table that flags announce.
    bool skipColourTable(int flags) {
        return (flags & kHasColourTable) == 0 ||
               take(std::size_t{3} << ((flags & 0x07) + 1)).has_value();
    }

    /// Passes sub-blocks up to and including the empty one that ends them.
    bool skipSubBlocks() {
        for (;;) {
            const auto length = byte();
            if (!length || (*length != 0 && !take(static_cast<std::size_t>(*length)))) {
                return false;
            }
            if (*length == 0) {
                return true;
            }
        }
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

/// Reads a frame's descriptor into outline and passes its pixel data; false
/// when the data ends first.
bool passFrame(Cursor& in, GifOutline& outline) {
    const auto descriptor = in.take(kDescriptorBytes);
    if (!descriptor) {
        return false;
    }
    const int left = u16(*descriptor, 0);
    const int top = u16(*descriptor, 2);
    const Size size{u16(*descriptor, 4), u16(*descriptor, 6)};
    if (!outline.firstFrame) {
        outline.firstFrame = size;
    }
    outline.framesInsideScreen = outline.framesInsideScreen &&
                                 left + size.width <= outline.screen.width &&
                                 top + size.height <= outline.screen.height;
    const int flags = static_cast<unsigned char>((*descriptor)[8]);
    return in.skipColourTable(flags) && in.take(1) /* LZW code size */ && in.skipSubBlocks();
}

} // namespace

GifOutline outlineGif(std::string_view bytes) {
    Cursor in(bytes);
    const auto header = in.take(kHeaderBytes);
    if (!header || !header->starts_with("GIF") ||
        !in.skipColourTable(static_cast<unsigned char>((*header)[10]))) {
        throw PictureError(PictureFault::Undecodable, "Not a readable GIF picture: no GIF header");
    }
    GifOutline outline{{u16(*header, 6), u16(*header, 8)}, std::nullopt, true};
    for (;;) {
        const auto record = in.byte();
        const bool passed = record == ','   ? passFrame(in, outline)
                            : record == '!' ? in.take(1) && in.skipSubBlocks()
                                            : false; // the trailer, the end, or no block at all
        if (!passed) {
            return outline;
        }
    }
}

void checkGifFrameSize(Size frame) {
    checkPictureSize({std::max(frame.width, 1), std::max(frame.height, 1)}, PixelFormat::Indexed8);
}

} // namespace tovra::picture
