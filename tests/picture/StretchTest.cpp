// StretchBlt's COLORONCOLOR resizing. The per-axis choice is checked here on
// small sizes as GDI resizes them under Wine; the Windows build compares
// whole pictures with GDI's own StretchBlt (GdiStretchTest).

#include "picture/Stretch.h"

#include "picture/PictureError.h"
#include "tests/support/PatternPicture.h"

#include <gtest/gtest.h>

namespace tovra::picture {
namespace {

struct AxisCase {
    int source;
    int target;
    std::vector<int> columns;
    std::vector<int> rows;
};

class StretchAxisTest : public testing::TestWithParam<AxisCase> {};

TEST_P(StretchAxisTest, PicksTheSourcePixelOfEachTargetPixel) {
    EXPECT_EQ(stretchAxis(GetParam().source, GetParam().target, Axis::Horizontal),
              GetParam().columns);
    EXPECT_EQ(stretchAxis(GetParam().source, GetParam().target, Axis::Vertical), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Sizes, StretchAxisTest,
                         testing::Values(AxisCase{3, 3, {0, 1, 2}, {0, 1, 2}},
                                         AxisCase{2, 4, {0, 0, 1, 1}, {0, 0, 1, 1}},
                                         AxisCase{3, 5, {0, 0, 1, 2, 2}, {0, 0, 1, 2, 2}},
                                         AxisCase{1, 3, {0, 0, 0}, {0, 0, 0}},
                                         AxisCase{4, 2, {1, 3}, {0, 2}},
                                         AxisCase{7, 3, {1, 4, 6}, {0, 2, 5}},
                                         AxisCase{10, 4, {2, 4, 7, 9}, {0, 3, 5, 8}},
                                         AxisCase{3, 1, {2}, {0}}));

TEST(Stretch, CopiesWholePixelsKeepingFormatAndPalette) {
    const Image source = test::patternPicture({4, 2}, PixelFormat::Indexed8);
    const Image target = stretch(source, {2, 4});
    ASSERT_EQ(target.size(), (Size{2, 4}));
    EXPECT_EQ(target.format(), PixelFormat::Indexed8);
    EXPECT_EQ(target.palette(), source.palette());
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(target.row(y)[x], source.row(y / 2)[2 * x + 1]) << x << ',' << y;
        }
    }
}

TEST(Stretch, RefusesASizeBeyondTheGuard) {
    const Image source = test::patternPicture({2, 2}, PixelFormat::Bgr24);
    EXPECT_THROW((void)stretch(source, {40000, 1}), PictureError);
}

} // namespace
} // namespace tovra::picture
