// The bitmap codec: what it reads from each kind of file, that what it
// writes reads back unchanged, and that bad files are refused, never read
// past their end.

#include "picture/Bmp.h"
#include "picture/PictureError.h"
#include "tests/support/PatternPicture.h"
#include "tests/support/PictureFaults.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tovra::picture {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

/// A bitmap file with an info header of headerSize bytes (12: the core
/// header), then extra (masks, palette) and rows as given.
struct BmpLayout {
    std::uint32_t headerSize = 40;
    std::int32_t width = 2;
    std::int32_t height = 1;
    int bits = 24;
    std::uint32_t compression = 0;
    std::string extra{};
    std::string rows{};
};

std::string bmpFile(const BmpLayout& layout) {
    std::string header;
    put(header, layout.headerSize, 4);
    if (layout.headerSize == 12) {
        put(header, static_cast<std::uint32_t>(layout.width), 2);
        put(header, static_cast<std::uint32_t>(layout.height), 2);
        put(header, 1, 2);
        put(header, static_cast<std::uint32_t>(layout.bits), 2);
    } else {
        put(header, static_cast<std::uint32_t>(layout.width), 4);
        put(header, static_cast<std::uint32_t>(layout.height), 4);
        put(header, 1, 2);
        put(header, static_cast<std::uint32_t>(layout.bits), 2);
        put(header, layout.compression, 4);
        header.resize(layout.headerSize, '\0');
    }
    std::string file = "BM";
    put(file,
        static_cast<std::uint32_t>(14 + header.size() + layout.extra.size() + layout.rows.size()),
        4);
    put(file, 0, 4);
    put(file, static_cast<std::uint32_t>(14 + header.size() + layout.extra.size()), 4);
    return file + header + layout.extra + layout.rows;
}

std::string words(std::initializer_list<std::uint32_t> values, int size = 4) {
    std::string bytes;
    for (const auto value : values) {
        put(bytes, value, size);
    }
    return bytes;
}

Bytes pixelsOf(const Image& image) {
    Bytes all;
    for (int y = 0; y < image.height(); ++y) {
        all.insert(all.end(), image.row(y), image.row(y) + image.stride());
    }
    return all;
}

struct ReadCase {
    const char* name;
    BmpLayout layout;
    PixelFormat format;
    Size size;
    Bytes pixels; // top row first
};

class BmpReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(BmpReadTest, ReadsThePixelsTheFileHolds) {
    const Image image = decodeBmp(bmpFile(GetParam().layout));
    EXPECT_EQ(image.format(), GetParam().format);
    EXPECT_EQ(image.size(), GetParam().size);
    EXPECT_EQ(pixelsOf(image), GetParam().pixels);
}

const std::string kPalette2 = words({0x000000, 0xFFFFFF});

INSTANTIATE_TEST_SUITE_P(
    Kinds, BmpReadTest,
    testing::Values(
        ReadCase{"Bgr24BottomUp",
                 {.width = 1, .height = 2, .rows = words({0x030201, 0x060504})},
                 PixelFormat::Bgr24,
                 {1, 2},
                 {4, 5, 6, 1, 2, 3}},
        ReadCase{"Bgr24TopDown",
                 {.width = 1, .height = -2, .rows = words({0x030201, 0x060504})},
                 PixelFormat::Bgr24,
                 {1, 2},
                 {1, 2, 3, 4, 5, 6}},
        ReadCase{
            "OneBitIndexesMostSignificantFirst",
            {.width = 10, .height = 1, .bits = 1, .extra = kPalette2, .rows = words({0x00C0A5}, 4)},
            PixelFormat::Indexed8,
            {10, 1},
            {1, 0, 1, 0, 0, 1, 0, 1, 1, 1}},
        ReadCase{"FourBitIndexes",
                 {.width = 3,
                  .height = 1,
                  .bits = 4,
                  .extra = words({0, 0, 0}),
                  .rows = words({0x00202F})},
                 PixelFormat::Indexed8,
                 {3, 1},
                 {2, 15, 2}},
        ReadCase{"SixteenBitsAre555",
                 {.width = 1, .height = 1, .bits = 16, .rows = words({0x7C1F})},
                 PixelFormat::Bgr24,
                 {1, 1},
                 {255, 0, 255}},
        ReadCase{"SixteenBitBitfields565",
                 {.width = 1,
                  .height = 1,
                  .bits = 16,
                  .compression = 3,
                  .extra = words({0xF800, 0x07E0, 0x001F}),
                  .rows = words({0x07E0})},
                 PixelFormat::Bgr24,
                 {1, 1},
                 {0, 255, 0}},
        ReadCase{"ThirtyTwoBitBitfieldsInAV5Header",
                 {.headerSize = 124,
                  .width = 1,
                  .height = 1,
                  .bits = 32,
                  .compression = 3,
                  .rows = words({0x112233FF})},
                 PixelFormat::Bgrx32,
                 {1, 1},
                 {0, 0, 0, 0}},
        ReadCase{"ThirtyTwoBitsKeepTheFourthByte",
                 {.width = 1, .height = 1, .bits = 32, .rows = words({0x44332211})},
                 PixelFormat::Bgrx32,
                 {1, 1},
                 {0x11, 0x22, 0x33, 0x44}},
        ReadCase{"CoreHeaderWithThreeBytePalette",
                 {.headerSize = 12,
                  .width = 2,
                  .height = 1,
                  .bits = 1,
                  .extra = std::string("\0\0\0\xFF\xFF\xFF", 6),
                  .rows = words({0x40})},
                 PixelFormat::Indexed8,
                 {2, 1},
                 {0, 1}}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(BmpCodec, V5MasksAreReadFromTheHeader) {
    BmpLayout layout{.headerSize = 124,
                     .width = 1,
                     .height = 1,
                     .bits = 32,
                     .compression = 3,
                     .rows = words({0x00FF0000})};
    std::string file = bmpFile(layout);
    const std::string masks = words({0x00FF0000, 0x0000FF00, 0x000000FF});
    file.replace(14 + 40, masks.size(), masks);
    EXPECT_EQ(pixelsOf(decodeBmp(file)), (Bytes{0, 0, 255, 0}));
}

TEST(BmpCodec, PaletteEntriesAreRead) {
    const Image image = decodeBmp(bmpFile({.width = 1,
                                           .height = 1,
                                           .bits = 8,
                                           .extra = words({0x112233, 0x445566}),
                                           .rows = words({1})}));
    EXPECT_EQ(image.palette()[1], 0x445566u);
    EXPECT_EQ(image.palette()[200], 0u); // beyond the file's colours: black
}

class BmpRoundTripTest : public testing::TestWithParam<std::tuple<PixelFormat, Size>> {};

TEST_P(BmpRoundTripTest, WhatIsWrittenReadsBackUnchanged) {
    const auto [format, size] = GetParam();
    const Image image = test::patternPicture(size, format);
    const std::string file = encodeBmp(image);
    EXPECT_EQ(bmpSize(file), size);
    const Image back = decodeBmp(file);
    EXPECT_EQ(pixelsOf(back), pixelsOf(image));
    EXPECT_EQ(back.format(), format);
    if (format == PixelFormat::Indexed8) {
        EXPECT_EQ(back.palette(), image.palette());
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, BmpRoundTripTest,
                         testing::Combine(testing::Values(PixelFormat::Indexed8, PixelFormat::Bgr24,
                                                          PixelFormat::Bgrx32),
                                          testing::Values(Size{1, 1}, Size{3, 2}, Size{5, 7})));

struct BadCase {
    const char* name;
    std::string bytes;
    PictureFault fault;
};

class BmpBadInputTest : public testing::TestWithParam<BadCase> {};

TEST_P(BmpBadInputTest, IsRefusedWithTheReason) {
    EXPECT_EQ(test::faultOf([this] { (void)decodeBmp(GetParam().bytes); }), GetParam().fault);
    if (GetParam().fault == PictureFault::TooLarge) { // from the header alone too
        EXPECT_EQ(test::faultOf([this] { (void)bmpSize(GetParam().bytes); }), GetParam().fault);
    }
}

std::string cut(std::string bytes, std::size_t lost) {
    bytes.resize(bytes.size() - lost);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BmpBadInputTest,
    testing::Values(
        BadCase{"Empty", "", PictureFault::Undecodable},
        BadCase{"NotABitmap", "GIF89a and more bytes than a header", PictureFault::Undecodable},
        BadCase{"ZeroWidth", bmpFile({.width = 0, .height = 1}), PictureFault::Undecodable},
        BadCase{"ZeroHeight", bmpFile({.width = 1, .height = 0}), PictureFault::Undecodable},
        BadCase{"HugeSide", bmpFile({.width = 40000, .height = 1}), PictureFault::TooLarge},
        BadCase{"HugeArea", bmpFile({.width = 30000, .height = 30000}), PictureFault::TooLarge},
        BadCase{"RunLengthCompression",
                bmpFile({.width = 1,
                         .height = 1,
                         .bits = 8,
                         .compression = 1,
                         .extra = words({0}),
                         .rows = words({0})}),
                PictureFault::Undecodable},
        BadCase{"BitfieldsAt24Bits",
                bmpFile({.width = 1,
                         .height = 1,
                         .compression = 3,
                         .extra = words({0xFF0000, 0xFF00, 0xFF}),
                         .rows = words({0})}),
                PictureFault::Undecodable},
        BadCase{"TwoBitsPerPixel",
                bmpFile({.width = 1, .height = 1, .bits = 2, .rows = words({0})}),
                PictureFault::Undecodable},
        BadCase{"UnknownHeaderSize", bmpFile({.headerSize = 64, .rows = words({0, 0})}),
                PictureFault::Undecodable},
        BadCase{"TruncatedPixels",
                cut(bmpFile({.width = 2, .height = 2, .rows = words({0, 0, 0})}), 1),
                PictureFault::Undecodable},
        BadCase{"TruncatedHeader", cut(bmpFile({.rows = words({0, 0})}), 40),
                PictureFault::Undecodable},
        BadCase{"ScatteredMask",
                bmpFile({.width = 1,
                         .height = 1,
                         .bits = 16,
                         .compression = 3,
                         .extra = words({0xF0F0, 0x0F00, 0x000F}),
                         .rows = words({0})}),
                PictureFault::Undecodable}),
    [](const auto& tested) { return std::string(tested.param.name); });

} // namespace
} // namespace tovra::picture
