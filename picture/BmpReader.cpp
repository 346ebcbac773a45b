#include "picture/Bmp.h"
#include "picture/PictureError.h"
#include "picture/SizeGuard.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tovra::picture {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

[[noreturn]] void undecodable(const char* why) {
    throw PictureError(PictureFault::Undecodable, std::string("Not a readable bitmap: ") + why);
}

std::uint32_t u32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    }
    return value;
}

std::uint16_t u16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

/// One colour channel of a BI_BITFIELDS pixel: where it sits and how wide it is.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    [[nodiscard]] std::uint8_t extract(std::uint32_t pixel) const {
        if (bits == 0) {
            return 0;
        }
        const std::uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8) {
            return static_cast<std::uint8_t>(value >> (bits - 8));
        }
        // Repeat the bits downwards, as GDI widens 5- and 6-bit channels.
        std::uint32_t wide = 0;
        for (int filled = 0; filled < 8; filled += bits) {
            wide = (wide << bits) | value;
        }
        const int total = ((8 + bits - 1) / bits) * bits;
        return static_cast<std::uint8_t>(wide >> (total - 8));
    }
};

Channel channelOf(std::uint32_t mask) {
    Channel channel;
    channel.mask = mask;
    if (mask == 0) {
        return channel;
    }
    channel.shift = std::countr_zero(mask);
    const std::uint32_t run = mask >> channel.shift;
    if ((run & (run + 1)) != 0) {
        undecodable("a colour mask is not one run of bits");
    }
    channel.bits = std::popcount(run);
    return channel;
}

/// What the headers say.
struct Layout {
    Size size;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::array<Channel, 3> channels{}; // red, green, blue
    std::size_t paletteAt = 0;
    std::size_t paletteEntries = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t pixelsAt = 0;
    std::size_t stride = 0;
};

void readCoreHeader(std::string_view bytes, Layout& layout) {
    layout.size = {u16(bytes, 18), u16(bytes, 20)};
    if (u16(bytes, 22) != 1) {
        undecodable("more than one plane");
    }
    layout.bitCount = u16(bytes, 24);
    layout.paletteEntrySize = 3;
}

void readInfoHeader(std::string_view bytes, std::uint32_t headerSize, Layout& layout) {
    const auto width = static_cast<std::int32_t>(u32(bytes, 18));
    const auto height = static_cast<std::int32_t>(u32(bytes, 22));
    if (width <= 0 || height == 0 || height == std::numeric_limits<std::int32_t>::min()) {
        undecodable("no pixels");
    }
    layout.topDown = height < 0;
    layout.size = {width, layout.topDown ? -height : height};
    if (u16(bytes, 26) != 1) {
        undecodable("more than one plane");
    }
    layout.bitCount = u16(bytes, 28);
    layout.compression = u32(bytes, 30);
    const std::uint32_t used = u32(bytes, 46);
    if (layout.compression == kBiBitfields) {
        // The masks follow a plain info header, and are part of the longer ones.
        const std::size_t masksAt = kFileHeaderSize + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize && bytes.size() < masksAt + 12) {
            undecodable("the colour masks are missing");
        }
        for (std::size_t i = 0; i < 3; ++i) {
            layout.channels[i] = channelOf(u32(bytes, masksAt + 4 * i));
        }
        if (headerSize == kInfoHeaderSize) {
            layout.paletteAt += 12;
        }
    }
    if (layout.bitCount <= 8) {
        layout.paletteEntries =
            used == 0 ? (std::size_t{1} << layout.bitCount) : std::min<std::size_t>(used, 256);
    }
}

void checkFormat(const Layout& layout) {
    const int bits = layout.bitCount;
    const bool rgb = layout.compression == kBiRgb && (bits == 1 || bits == 4 || bits == 8 ||
                                                      bits == 16 || bits == 24 || bits == 32);
    const bool fields = layout.compression == kBiBitfields && (bits == 16 || bits == 32);
    if (!rgb && !fields) {
        undecodable("an unsupported depth or compression");
    }
}

Layout readLayout(std::string_view bytes) {
    if (bytes.size() < kFileHeaderSize + 4 || bytes.substr(0, 2) != "BM") {
        undecodable("no bitmap file header");
    }
    const std::uint32_t headerSize = u32(bytes, kFileHeaderSize);
    const bool known = headerSize == kCoreHeaderSize || headerSize == kInfoHeaderSize ||
                       headerSize == 52 || headerSize == 56 || headerSize == 108 ||
                       headerSize == 124;
    if (!known || bytes.size() < kFileHeaderSize + headerSize) {
        undecodable("an unknown or cut header");
    }
    Layout layout;
    layout.paletteAt = kFileHeaderSize + headerSize;
    if (headerSize == kCoreHeaderSize) {
        readCoreHeader(bytes, layout);
        if (layout.bitCount <= 8) {
            layout.paletteEntries = std::size_t{1} << std::min(layout.bitCount, 8);
        }
    } else {
        readInfoHeader(bytes, headerSize, layout);
    }
    checkFormat(layout);
    if (layout.size.width == 0 || layout.size.height == 0) {
        undecodable("no pixels");
    }
    return layout;
}

void locatePixels(std::string_view bytes, Layout& layout) {
    const std::uint32_t offset = u32(bytes, 10);
    // Writers that leave the number of colours at zero may store fewer than
    // the depth allows; the colours end where the pixels begin.
    if (offset > layout.paletteAt) {
        layout.paletteEntries =
            std::min(layout.paletteEntries, (offset - layout.paletteAt) / layout.paletteEntrySize);
    }
    const std::size_t paletteEnd =
        layout.paletteAt + layout.paletteEntries * layout.paletteEntrySize;
    if (paletteEnd > bytes.size()) {
        undecodable("the palette is cut");
    }
    // Some writers leave the offset at zero; the pixels then follow the palette.
    layout.pixelsAt = offset == 0 ? paletteEnd : offset;
    const std::uint64_t rowBits =
        static_cast<std::uint64_t>(layout.size.width) * static_cast<std::uint64_t>(layout.bitCount);
    layout.stride = static_cast<std::size_t>((rowBits + 31) / 32 * 4);
    const std::uint64_t needed =
        static_cast<std::uint64_t>(layout.stride) * static_cast<std::uint64_t>(layout.size.height);
    if (layout.pixelsAt > bytes.size() || needed > bytes.size() - layout.pixelsAt) {
        undecodable("the pixel data is cut");
    }
}

PixelFormat formatFor(const Layout& layout) {
    if (layout.bitCount <= 8) {
        return PixelFormat::Indexed8;
    }
    return layout.bitCount == 32 ? PixelFormat::Bgrx32 : PixelFormat::Bgr24;
}

void readPalette(std::string_view bytes, const Layout& layout, Image& image) {
    for (std::size_t i = 0; i < layout.paletteEntries; ++i) {
        const std::size_t at = layout.paletteAt + i * layout.paletteEntrySize;
        const auto byte = [&](std::size_t k) {
            return PaletteColor{static_cast<unsigned char>(bytes[at + k])};
        };
        image.palette()[i] = byte(0) | (byte(1) << 8) | (byte(2) << 16);
    }
}

void readIndexedRow(const unsigned char* from, int bits, std::uint8_t* to, int width) {
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        to[x] = static_cast<std::uint8_t>((from[x / perByte] >> shift) & mask);
    }
}

void readMaskedRow(const unsigned char* from, const Layout& layout, std::uint8_t* to, int width) {
    const int step = layout.bitCount / 8;
    const int out = layout.bitCount == 32 ? 4 : 3;
    for (int x = 0; x < width; ++x, from += step, to += out) {
        std::uint32_t pixel = 0;
        for (int i = 0; i < step; ++i) {
            pixel |= std::uint32_t{from[i]} << (8 * i);
        }
        to[0] = layout.channels[2].extract(pixel);
        to[1] = layout.channels[1].extract(pixel);
        to[2] = layout.channels[0].extract(pixel);
        if (out == 4) {
            to[3] = 0;
        }
    }
}

void readRows(std::string_view bytes, const Layout& layout, Image& image) {
    const auto* base = reinterpret_cast<const unsigned char*>(bytes.data()) + layout.pixelsAt;
    for (int y = 0; y < layout.size.height; ++y) {
        const int fileRow = layout.topDown ? y : layout.size.height - 1 - y;
        const unsigned char* from = base + layout.stride * static_cast<std::size_t>(fileRow);
        std::uint8_t* to = image.row(y);
        if (layout.bitCount <= 8) {
            readIndexedRow(from, layout.bitCount, to, layout.size.width);
        } else if (layout.compression == kBiBitfields || layout.bitCount == 16) {
            readMaskedRow(from, layout, to, layout.size.width);
        } else {
            std::memcpy(to, from, image.stride());
        }
    }
}

Layout completeLayout(std::string_view bytes) {
    Layout layout = readLayout(bytes);
    if (layout.bitCount == 16 && layout.compression == kBiRgb) {
        layout.channels = {channelOf(0x7C00), channelOf(0x03E0), channelOf(0x001F)};
    }
    return layout;
}

} // namespace

Size bmpSize(std::string_view bytes) {
    const Layout layout = readLayout(bytes);
    checkPictureSize(layout.size, formatFor(layout));
    return layout.size;
}

Image decodeBmp(std::string_view bytes) {
    Layout layout = completeLayout(bytes);
    checkPictureSize(layout.size, formatFor(layout));
    locatePixels(bytes, layout);
    Image image(layout.size, formatFor(layout), Unfilled{}); // every row is read
    readPalette(bytes, layout, image);
    readRows(bytes, layout, image);
    return image;
}

} // namespace tovra::picture
