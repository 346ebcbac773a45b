// The setter's and the rotation's arithmetic: fitting, the smart style, the
// style written, the extensions converted, the period; and where the preview
// places a picture in its 312 x 196 panel.

#include "wallpaper/core/WallpaperRules.h"

#include "wallpaper/core/PreviewRules.h"
#include "wallpaper/core/RotationPeriod.h"
#include "wallpaper/core/WallpaperSetter.h"

#include <gtest/gtest.h>

namespace tovra::wallpaper {
namespace {

using picture::Size;

struct FitCase {
    Size picture;
    Size screen;
    Size fitted;
};

class FitToScreenTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitToScreenTest, KeepsTheAspectWithOneSideOnTheScreens) {
    EXPECT_EQ(fitToScreen(GetParam().picture, GetParam().screen), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FitToScreenTest,
    testing::Values(FitCase{{2048, 1536}, {1024, 768}, {1024, 768}},
                    FitCase{{800, 600}, {1024, 768}, {1024, 768}},
                    FitCase{{1600, 600}, {1024, 768}, {1024, 384}},
                    FitCase{{500, 1000}, {1024, 768}, {384, 768}},
                    FitCase{{1024, 768}, {1024, 768}, {1024, 768}},
                    FitCase{{200, 101}, {100, 100}, {100, 50}}, // 50.5: down to even
                    FitCase{{200, 103}, {100, 100}, {100, 52}}, // 51.5: up to even
                    FitCase{{6000, 3750}, {1920, 1080}, {1728, 1080}}));

struct StyleCase {
    int displayStyle;
    int referenceWidth;
    int written;
};

class StyleToWriteTest : public testing::TestWithParam<StyleCase> {};

TEST_P(StyleToWriteTest, OnA1024PixelScreen) {
    EXPECT_EQ(styleToWrite(GetParam().displayStyle, GetParam().referenceWidth, 1024),
              GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Styles, StyleToWriteTest,
                         testing::Values(StyleCase{0, 100, 0}, StyleCase{1, 5000, 1},
                                         StyleCase{2, 100, 2}, StyleCase{3, 767, 1},
                                         StyleCase{3, 768, 2}, StyleCase{3, 1023, 2},
                                         StyleCase{3, 1024, 0}, StyleCase{3, 4000, 0},
                                         StyleCase{-1, 100, 0}, StyleCase{4, 100, 0},
                                         StyleCase{7, 5000, 0}));

TEST(ChooseSmartStyle, ThreeQuartersOfTheScreenIsTheFirstStretchedWidth) {
    EXPECT_EQ(ChooseSmartStyle(0.75 * 1366, 1366), kStyleStretch);
    EXPECT_EQ(ChooseSmartStyle(0.75 * 1366 - 0.5, 1366), kStyleTile);
}

struct ExtensionCase {
    const char* path;
    bool preview;
    bool rotation;
};

class ConvertedExtensionTest : public testing::TestWithParam<ExtensionCase> {};

TEST_P(ConvertedExtensionTest, ComparesTheUpperCasedExtension) {
    const std::string extension = upperExtension(GetParam().path);
    EXPECT_EQ(isConverted(ApplyVariant::Preview, extension), GetParam().preview);
    EXPECT_EQ(isConverted(ApplyVariant::Rotation, extension), GetParam().rotation);
}

INSTANTIATE_TEST_SUITE_P(Paths, ConvertedExtensionTest,
                         testing::Values(ExtensionCase{"C:\\p\\a.jpg", true, true},
                                         ExtensionCase{"/p/a.Jpeg", true, true},
                                         ExtensionCase{"/p/a.GIF", true, false},
                                         ExtensionCase{"/p/a.jpe", false, false},
                                         ExtensionCase{"/p/a.bmp", false, false},
                                         ExtensionCase{"/p.jpg/noextension", false, false}));

struct PeriodCase {
    const char* setname;
    std::int32_t setsize;
    std::int64_t seconds;
};

class PeriodSecondsTest : public testing::TestWithParam<PeriodCase> {};

TEST_P(PeriodSecondsTest, UnitNamesAreExactAndProductsDoNotOverflow) {
    EXPECT_EQ(periodSeconds(GetParam().setname, GetParam().setsize), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Units, PeriodSecondsTest,
                         testing::Values(PeriodCase{"hour", 1, 3600}, PeriodCase{"day", 2, 172800},
                                         PeriodCase{"week", 4, 2419200},
                                         PeriodCase{"Hour", 5, 3600}, PeriodCase{"DAY", 2, 3600},
                                         PeriodCase{"month", 9, 3600},
                                         PeriodCase{"week", 4000, 2419200000},
                                         PeriodCase{"hour", 2147483647, 7730941129200}));

struct PlacementCase {
    Size picture;
    PreviewPlacement placed;
};

class PlaceInPanelTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlaceInPanelTest, CentredAtTheLargestSizeThatFitsAndNoLarger) {
    EXPECT_EQ(placeInPanel(GetParam().picture, {312, 196}), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PlaceInPanelTest,
    testing::Values(PlacementCase{{200, 100}, {56, 48, 200, 100}},
                    PlacementCase{{624, 300}, {0, 23, 312, 150}},
                    PlacementCase{{312, 196}, {0, 0, 312, 196}},
                    PlacementCase{{1, 1}, {155, 97, 1, 1}},
                    PlacementCase{{400, 400}, {58, 0, 196, 196}},   // too high once narrowed
                    PlacementCase{{100, 1000}, {146, 0, 20, 196}},  // too high only: 19.6
                    PlacementCase{{6000, 3750}, {0, 0, 312, 195}},  // 195 fits: as wide as can be
                    PlacementCase{{624, 389}, {0, 1, 312, 194}},    // 194.5: down to even
                    PlacementCase{{624, 391}, {0, 0, 312, 196}},    // 195.5: up to even
                    PlacementCase{{0, 100}, {156, 98, 0, 0}}));

} // namespace
} // namespace tovra::wallpaper
