// The apply sequence in both variants over the emulated Windows: the values
// written, the path handed to the system, what becomes of WallpaperBitmapFile,
// and that a failure writes nothing.

#include "picture/PictureError.h"
#include "tests/wallpaper/WallpaperFixture.h"

#include <filesystem>

namespace tovra::wallpaper {
namespace {

using picture::Size;

enum class Kind { Jpeg, Bmp, Gif };
enum class Handed { Picture, BitmapFile };

struct ApplyCase {
    const char* name;
    const char* fileName;
    Kind kind;
    Size size;
    ApplyVariant variant;
    int style;
    bool bitmapFileBefore; // a 10 x 10 WallPaper.BMP exists already
    Handed handed;
    const char* styleWritten;
    std::optional<Size> bitmapFileAfter; // nothing: absent
};

class ApplyTest : public testing::TestWithParam<ApplyCase>, public test::WallpaperFixture {
protected:
    std::string picture() {
        const ApplyCase& c = GetParam();
        switch (c.kind) {
        case Kind::Jpeg:
            return jpeg(c.fileName, c.size);
        case Kind::Bmp:
            return bmp(c.fileName, c.size);
        case Kind::Gif:
            break;
        }
        return file(c.fileName, tovra::test::gifFile(c.size, {{0, 0, c.size.width, 1}}));
    }
};

TEST_P(ApplyTest, WritesTheStyleAndHandsOverThePicture) {
    const ApplyCase& c = GetParam();
    const std::string bitmapFile = setter.WallpaperBitmapFile();
    if (c.bitmapFileBefore) {
        tovra::test::writeBytes(bitmapFile, picture::encodeBmp(tovra::test::patternPicture(
                                                {10, 10}, picture::PixelFormat::Bgr24)));
    }
    const std::string path = picture();
    EXPECT_EQ(setter.applyWallpaper(path, c.variant, c.style), ApplyOutcome::Applied);
    EXPECT_EQ(desktopValue("Wallpaper"), c.handed == Handed::Picture ? path : bitmapFile);
    EXPECT_EQ(desktopValue("TileWallpaper"), "0");
    EXPECT_EQ(desktopValue("wallpaperstyle"), c.styleWritten);
    EXPECT_EQ(bitmapSize(bitmapFile), c.bitmapFileAfter);
}

constexpr auto kPreview = ApplyVariant::Preview;
constexpr auto kRotation = ApplyVariant::Rotation;

INSTANTIATE_TEST_SUITE_P(Pictures, ApplyTest,
                         testing::Values(ApplyCase{"LargeJpegShrinks",
                                                   "big.JPG",
                                                   Kind::Jpeg,
                                                   {2048, 1536},
                                                   kPreview,
                                                   2,
                                                   false,
                                                   Handed::BitmapFile,
                                                   "2",
                                                   Size{1024, 768}},
                                         ApplyCase{"SmallJpegGrows",
                                                   "small.jpeg",
                                                   Kind::Jpeg,
                                                   {800, 600},
                                                   kRotation,
                                                   0,
                                                   true,
                                                   Handed::BitmapFile,
                                                   "0",
                                                   Size{1024, 768}},
                                         ApplyCase{"WideJpeg",
                                                   "wide.Jpg",
                                                   Kind::Jpeg,
                                                   {1600, 600},
                                                   kRotation,
                                                   1,
                                                   false,
                                                   Handed::BitmapFile,
                                                   "1",
                                                   Size{1024, 384}},
                                         ApplyCase{"ScreenSizedJpeg",
                                                   "screen.jpg",
                                                   Kind::Jpeg,
                                                   {1024, 768},
                                                   kPreview,
                                                   0,
                                                   false,
                                                   Handed::BitmapFile,
                                                   "0",
                                                   Size{1024, 768}},
                                         ApplyCase{"SmartTakesThePicturesOwnWidth",
                                                   "w800.jpg",
                                                   Kind::Jpeg,
                                                   {800, 600},
                                                   kRotation,
                                                   3,
                                                   false,
                                                   Handed::BitmapFile,
                                                   "2",
                                                   Size{1024, 768}},
                                         ApplyCase{"BmpWithoutBitmapFile",
                                                   "pic.bmp",
                                                   Kind::Bmp,
                                                   {300, 200},
                                                   kPreview,
                                                   1,
                                                   false,
                                                   Handed::Picture,
                                                   "1",
                                                   std::nullopt},
                                         ApplyCase{"BmpLeavesTheBitmapFileAlone",
                                                   "pic.bmp",
                                                   Kind::Bmp,
                                                   {300, 200},
                                                   kRotation,
                                                   3,
                                                   true,
                                                   Handed::Picture,
                                                   "1",
                                                   Size{10, 10}},
                                         ApplyCase{"RotationHandsAGifOver",
                                                   "anim.gif",
                                                   Kind::Gif,
                                                   {1100, 20},
                                                   kRotation,
                                                   3,
                                                   false,
                                                   Handed::Picture,
                                                   "0",
                                                   std::nullopt},
                                         ApplyCase{"PreviewConvertsAGif",
                                                   "anim.GIF",
                                                   Kind::Gif,
                                                   {512, 384},
                                                   kPreview,
                                                   2,
                                                   false,
                                                   Handed::BitmapFile,
                                                   "2",
                                                   Size{1024, 768}},
                                         ApplyCase{"JpeIsNotConverted",
                                                   "photo.jpe",
                                                   Kind::Jpeg,
                                                   {64, 64},
                                                   kPreview,
                                                   0,
                                                   false,
                                                   Handed::Picture,
                                                   "0",
                                                   std::nullopt},
                                         ApplyCase{"StoredStyleOutOfRangeIsCentre",
                                                   "pic.bmp",
                                                   Kind::Bmp,
                                                   {30, 20},
                                                   kRotation,
                                                   7,
                                                   false,
                                                   Handed::Picture,
                                                   "0",
                                                   std::nullopt}),
                         [](const auto& tested) { return std::string(tested.param.name); });

class ApplyFailureTest : public testing::Test, public test::WallpaperFixture {
protected:
    /// Applying fails and leaves the registry and WallPaper.BMP as they were.
    void expectNothingWritten(const std::string& path,
                              ApplyVariant variant = ApplyVariant::Preview) {
        const std::string before = tovra::test::readBytes(setter.WallpaperBitmapFile());
        EXPECT_ANY_THROW(setter.applyWallpaper(path, variant, 2));
        EXPECT_EQ(desktopValue("wallpaperstyle"), std::nullopt);
        EXPECT_EQ(desktopValue("Wallpaper"), std::nullopt);
        EXPECT_EQ(tovra::test::readBytes(setter.WallpaperBitmapFile()), before);
    }
};

TEST_F(ApplyFailureTest, AMissingPictureDoesNothing) {
    EXPECT_EQ(setter.applyWallpaper(scratch.file("gone.jpg"), ApplyVariant::Preview, 2),
              ApplyOutcome::PictureMissing);
    EXPECT_EQ(setter.applyWallpaper("", ApplyVariant::Preview, 2), ApplyOutcome::PictureMissing);
    EXPECT_EQ(desktopValue("wallpaperstyle"), std::nullopt);
}

TEST_F(ApplyFailureTest, UndecodablePicturesWriteNothing) {
    tovra::test::writeBytes(setter.WallpaperBitmapFile(), "old bitmap");
    expectNothingWritten(bmp("bitmap-inside.jpg", {4, 4}));
    expectNothingWritten(
        file("cut.jpg", tovra::test::jpegFile(tovra::test::photoPicture({64, 64})).substr(0, 300)));
    expectNothingWritten(file("empty.gif", tovra::test::gifFile({8, 8}, {})));
    // Handed over as they are, yet no pictures: the desktop would go blank.
    expectNothingWritten(file("empty.bmp", ""));
    expectNothingWritten(file("text.bmp", "not a picture"));
    // A frame that the decoder refuses, in a GIF that the rotation hands over.
    expectNothingWritten(
        file("huge-frame.gif", tovra::test::withFirstFrameSize(
                                   tovra::test::gifFile({8, 8}, {{0, 0, 1, 1}}), {65535, 65535})),
        ApplyVariant::Rotation);
}

TEST_F(ApplyFailureTest, ABitmapFileThatCannotBeReplacedWritesNothing) {
    std::filesystem::create_directory(setter.WallpaperBitmapFile());
    EXPECT_ANY_THROW(setter.applyWallpaper(jpeg("photo.jpg", {64, 48}), ApplyVariant::Preview, 2));
    EXPECT_EQ(desktopValue("wallpaperstyle"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_directory(setter.WallpaperBitmapFile()));
}

TEST_F(ApplyFailureTest, AReadOnlyBitmapFileIsMadeWritableAndReplaced) {
    tovra::test::writeBytes(setter.WallpaperBitmapFile(), "old bitmap");
    tovra::test::makeReadOnly(setter.WallpaperBitmapFile());
    EXPECT_EQ(setter.applyWallpaper(jpeg("photo.jpg", {64, 48}), ApplyVariant::Rotation, 0),
              ApplyOutcome::Applied);
    EXPECT_EQ(bitmapSize(setter.WallpaperBitmapFile()), (Size{1024, 768}));
}

TEST_F(ApplyFailureTest, ConvertToBitmapKeepsTheFullSize) {
    const std::string target = scratch.file("stamp.bmp");
    setter.ConvertToBitmap(jpeg("photo.jpg", {2048, 1536}), target);
    EXPECT_EQ(bitmapSize(target), (Size{2048, 1536}));
    setter.ConvertToBitmap(file("a.gif", tovra::test::gifFile({40, 30}, {{5, 5, 2, 2}})), target);
    EXPECT_EQ(bitmapSize(target), (Size{40, 30}));
    EXPECT_THROW(setter.ConvertToBitmap(scratch.file("gone.jpg"), target), picture::PictureError);
    EXPECT_EQ(bitmapSize(target), (Size{40, 30}));
}

} // namespace
} // namespace tovra::wallpaper
