// JPEG and GIF decoding through libjpeg-turbo and giflib, on files the tests
// make with the same libraries' encoders: what each kind decodes to, the
// reduced scales, the refusal of damaged, unsupported or oversized files, and
// the size guard applied from the header alone.

#include "picture/Gif.h"
#include "picture/Jpeg.h"
#include "picture/Picture.h"
#include "picture/PictureError.h"
#include "picture/Stretch.h"
#include "tests/support/EncodedPictures.h"
#include "tests/support/PatternPicture.h"
#include "tests/support/PictureFaults.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace tovra::picture {
namespace {

using test::GifFrame;
using test::JpegKind;

const Image kPhoto = test::photoPicture({64, 48});

/// The largest difference of one colour channel between two Bgr24 pictures.
int largestDifference(const Image& a, const Image& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (std::size_t i = 0; i < a.stride(); ++i) {
            largest = std::max(largest, std::abs(a.row(y)[i] - b.row(y)[i]));
        }
    }
    return largest;
}

struct JpegCase {
    const char* name;
    JpegKind kind;
    PixelFormat format;
};

class JpegKindTest : public testing::TestWithParam<JpegCase> {};

TEST_P(JpegKindTest, DecodesToTheColoursEncoded) {
    const std::string file = test::jpegFile(kPhoto, GetParam().kind);
    EXPECT_EQ(formatOfContent(file), PictureFormat::Jpeg);
    EXPECT_EQ(jpegSize(file), kPhoto.size());
    const Image image = decodeJpeg(file);
    ASSERT_EQ(image.size(), kPhoto.size());
    ASSERT_EQ(image.format(), GetParam().format);
    const Image colours = toOpaqueBgrx32(image);
    const std::uint8_t* pixel = colours.row(30) + 4 * 40; // expected about (159, 159, 128)
    const int grey = (159 + 159 + 128) / 3;
    const bool isGrey = GetParam().kind == JpegKind::Grayscale;
    EXPECT_NEAR(pixel[0], isGrey ? grey : 159, 6);
    EXPECT_NEAR(pixel[1], isGrey ? grey : 159, 6);
    EXPECT_NEAR(pixel[2], isGrey ? grey : 128, 6);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, JpegKindTest,
    testing::Values(JpegCase{"Baseline", JpegKind::Baseline, PixelFormat::Bgr24},
                    JpegCase{"Progressive", JpegKind::Progressive, PixelFormat::Bgr24},
                    JpegCase{"Grayscale", JpegKind::Grayscale, PixelFormat::Indexed8},
                    JpegCase{"Cmyk", JpegKind::Cmyk, PixelFormat::Bgr24}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(Jpeg, FullSizeDecodeIsCloseToTheOriginal) {
    EXPECT_LE(largestDifference(decodeJpeg(test::jpegFile(kPhoto)), kPhoto), 8);
}

struct ScaleCase {
    Size atLeast;
    Size decoded;
};

class JpegScaleTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(JpegScaleTest, DecodesAtTheSmallestFastScaleThatCovers) {
    const std::string file = test::jpegFile(kPhoto, JpegKind::Progressive);
    EXPECT_EQ(decodeJpeg(file, GetParam().atLeast).size(), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(Sizes, JpegScaleTest,
                         testing::Values(ScaleCase{{8, 6}, {8, 6}}, ScaleCase{{16, 12}, {16, 12}},
                                         ScaleCase{{17, 12}, {32, 24}},
                                         ScaleCase{{16, 13}, {32, 24}},
                                         ScaleCase{{33, 24}, {64, 48}},
                                         ScaleCase{{64, 48}, {64, 48}},
                                         ScaleCase{{100, 100}, {64, 48}}));

TEST(Jpeg, ResizingWhileDecodingGivesWhatResizingAfterwardsGives) {
    for (const JpegKind kind : {JpegKind::Baseline, JpegKind::Grayscale, JpegKind::Cmyk}) {
        const std::string file = test::jpegFile(kPhoto, kind);
        for (const Size size : {Size{20, 15}, Size{64, 48}, Size{100, 75}}) {
            EXPECT_EQ(decodeJpegToSize(file, size), stretch(decodeJpeg(file, size), size))
                << size.width;
        }
    }
}

std::string firstHalf(std::string bytes) {
    bytes.resize(bytes.size() / 2);
    return bytes;
}

std::string corrupted(std::string bytes) {
    for (std::size_t i = 2; i < 40; ++i) {
        bytes[i] = '\x55';
    }
    return bytes;
}

struct BadCase {
    const char* name;
    std::string bytes;
    PictureFault fault;
};

class BadJpegTest : public testing::TestWithParam<BadCase> {};

TEST_P(BadJpegTest, IsRefusedWithTheReason) {
    EXPECT_EQ(test::faultOf([this] { (void)decodeJpeg(GetParam().bytes); }), GetParam().fault);
}

const std::string kJpeg = test::jpegFile(kPhoto);

INSTANTIATE_TEST_SUITE_P(
    Files, BadJpegTest,
    testing::Values(
        BadCase{"Empty", "", PictureFault::Undecodable},
        BadCase{"Truncated", firstHalf(kJpeg), PictureFault::Undecodable},
        BadCase{"DataEndsAtAMarker", firstHalf(kJpeg) + "\xFF\xD9", PictureFault::Undecodable},
        BadCase{"TruncatedProgressive", firstHalf(test::jpegFile(kPhoto, JpegKind::Progressive)),
                PictureFault::Undecodable},
        BadCase{"CorruptHeader", corrupted(kJpeg), PictureFault::Undecodable},
        BadCase{"TwelveBit", test::withFrameHeader(kJpeg, 12, {64, 48}), PictureFault::Undecodable},
        BadCase{"HugeFrame", test::withFrameHeader(kJpeg, 8, {40000, 40000}),
                PictureFault::TooLarge},
        BadCase{"ABitmapInside", std::string("BM") + std::string(80, '\0'),
                PictureFault::Undecodable}),
    [](const auto& tested) { return std::string(tested.param.name); });

/// The colour the test GIFs' palette gives index i.
std::array<std::uint8_t, 3> gifColour(int index) {
    return {0, static_cast<std::uint8_t>(255 - index), static_cast<std::uint8_t>(index)};
}

std::array<std::uint8_t, 3> pixelAt(const Image& image, int x, int y) {
    const std::uint8_t* p = image.row(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

struct GifCase {
    const char* name;
    std::vector<GifFrame> frames;
    // Two screen pixels and the palette index each must show; -1: background.
    std::array<int, 2> at1, at2;
    int index1, index2;
    bool dataEndsBelowTheScreen = false; // the file cut in half
};

class GifFirstFrameTest : public testing::TestWithParam<GifCase> {};

TEST_P(GifFirstFrameTest, DrawsTheFirstFrameOnTheLogicalScreen) {
    std::string file = test::gifFile({8, 8}, GetParam().frames);
    if (GetParam().dataEndsBelowTheScreen) {
        file.resize(file.size() / 2);
    }
    EXPECT_EQ(gifSize(file), (Size{8, 8}));
    const Image image = decodeGif(file);
    ASSERT_EQ(image.size(), (Size{8, 8}));
    const auto expect = [&](std::array<int, 2> at, int index) {
        EXPECT_EQ(pixelAt(image, at[0], at[1]), gifColour(index < 0 ? 1 : index))
            << at[0] << ',' << at[1];
    };
    expect(GetParam().at1, GetParam().index1);
    expect(GetParam().at2, GetParam().index2);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, GifFirstFrameTest,
    testing::Values(
        GifCase{"WholeScreen", {{0, 0, 8, 8}}, {3, 2}, {7, 7}, 3 + 32, 7 + 112},
        GifCase{"OnlyTheFirstFrame", {{0, 0, 8, 8}, {0, 0, 8, 8, false, 0}}, {0, 0}, {1, 0}, 0, 1},
        GifCase{"SmallFrameLeavesBackground", {{2, 2, 2, 2}}, {3, 3}, {0, 0}, 1 + 16, -1},
        GifCase{"FrameOutsideTheScreenIsCut", {{6, 6, 4, 4}}, {7, 7}, {5, 5}, 1 + 16, -1},
        GifCase{"InterlacedRowsInOrder", {{0, 0, 8, 8, true}}, {0, 1}, {0, 4}, 16, 64},
        GifCase{"TransparentShowsBackground", {{0, 0, 8, 8, false, 16}}, {0, 1}, {1, 1}, -1, 17},
        GifCase{"TallInterlacedFrameIsCut", {{0, 0, 8, 64, true}}, {0, 7}, {3, 5}, 112, 83},
        // Lines below the screen are never decoded, so their data may be missing.
        GifCase{
            "TallFrameCutShortBelowTheScreen", {{0, 0, 8, 1024}}, {0, 7}, {7, 7}, 112, 119, true}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(Gif, FramesInsideTheScreenAreToldFromTheirDescriptors) {
    struct Case {
        std::vector<GifFrame> frames; // the second behind a graphic control extension
        bool inside;
    };
    for (const auto& [frames, inside] :
         {Case{{{0, 0, 8, 8}, {2, 2, 6, 6, false, 0}}, true},
          Case{{{0, 0, 8, 8}, {2, 2, 7, 6, false, 0}}, false}, Case{{{0, 0, 8, 9}}, false}}) {
        EXPECT_EQ(gifFramesInsideScreen(test::gifFile({8, 8}, frames)), inside)
            << frames.back().width;
    }
}

TEST(Gif, BadFilesAreRefused) {
    const std::string good = test::gifFile({8, 8}, {{0, 0, 8, 8}});
    for (const std::string& bytes : {test::gifFile({8, 8}, {}), firstHalf(good), good.substr(0, 4),
                                     test::gifFile({0, 0}, {{0, 0, 1, 1}})}) {
        EXPECT_EQ(test::faultOf([&bytes] { (void)decodeGif(bytes); }), PictureFault::Undecodable);
    }
    const std::string huge = test::gifFile({40000, 40000}, {{0, 0, 1, 1}});
    EXPECT_EQ(test::faultOf([&huge] { (void)decodeGif(huge); }), PictureFault::TooLarge);
}

// A picture handed to the system as it is, and a GIF before Qt's reader gets
// it, is checked from its header alone: that must refuse what decoding would.
TEST(PictureSize, TheHeaderRefusesWhatTheSizeGuardRefuses) {
    const std::string gif = test::gifFile({8, 8}, {{0, 0, 1, 1}});
    for (const auto& [format, bytes] :
         {std::pair{PictureFormat::Gif, test::gifFile({40000, 40000}, {{0, 0, 1, 1}})},
          {PictureFormat::Gif, test::withFirstFrameSize(gif, {65535, 65535})},
          {PictureFormat::Jpeg, test::withFrameHeader(kJpeg, 8, {40000, 40000})}}) {
        EXPECT_EQ(test::faultOf([&] { (void)pictureSize(bytes, format); }), PictureFault::TooLarge);
    }
    const std::string largestFrame = test::withFirstFrameSize(gif, {32768, 32768});
    EXPECT_EQ(pictureSize(largestFrame, PictureFormat::Gif), (Size{8, 8}));
}

} // namespace
} // namespace tovra::picture
