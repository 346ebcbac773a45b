// The resizing against GDI itself: StretchBlt in COLORONCOLOR mode between two
// 24-bit DIB sections must give the very pixels stretch() gives, for sizes
// that shrink, grow, and shrink one way while growing the other.

#include "picture/Stretch.h"
#include "tests/support/PatternPicture.h"

#include <cstring>
#include <gtest/gtest.h>
#include <windows.h>

namespace tovra::picture {
namespace {

/// A top-down 24-bit DIB section selected into a memory DC.
class DibSection {
public:
    explicit DibSection(Size size)
        : size_(size)
        , dc_(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size.width;
        info.bmiHeader.biHeight = -size.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = ::SelectObject(dc_, bitmap_);
    }
    ~DibSection() {
        ::SelectObject(dc_, old_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    [[nodiscard]] HDC dc() const { return dc_; }
    [[nodiscard]] bool valid() const { return bitmap_ != nullptr && bits_ != nullptr; }
    [[nodiscard]] std::uint8_t* row(int y) const {
        const std::size_t stride = (static_cast<std::size_t>(size_.width) * 3 + 3) / 4 * 4;
        return static_cast<std::uint8_t*>(bits_) + stride * static_cast<std::size_t>(y);
    }

private:
    Size size_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

class GdiStretchTest : public testing::TestWithParam<std::pair<Size, Size>> {};

TEST_P(GdiStretchTest, GivesTheSamePixelsAsStretchBlt) {
    const auto [from, to] = GetParam();
    const Image source = test::patternPicture(from, PixelFormat::Bgr24);
    DibSection gdiSource(from);
    DibSection gdiTarget(to);
    ASSERT_TRUE(gdiSource.valid() && gdiTarget.valid());
    for (int y = 0; y < from.height; ++y) {
        std::memcpy(gdiSource.row(y), source.row(y), source.stride());
    }
    ::SetStretchBltMode(gdiTarget.dc(), COLORONCOLOR);
    ASSERT_TRUE(::StretchBlt(gdiTarget.dc(), 0, 0, to.width, to.height, gdiSource.dc(), 0, 0,
                             from.width, from.height, SRCCOPY));
    ::GdiFlush();

    const Image ours = stretch(source, to);
    int differentRows = 0;
    for (int y = 0; y < to.height; ++y) {
        differentRows += std::memcmp(ours.row(y), gdiTarget.row(y), ours.stride()) != 0 ? 1 : 0;
    }
    EXPECT_EQ(differentRows, 0) << from.width << 'x' << from.height << " -> " << to.width << 'x'
                                << to.height;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, GdiStretchTest,
    testing::Values(std::pair{Size{7, 5}, Size{3, 2}}, std::pair{Size{3, 2}, Size{7, 5}},
                    std::pair{Size{10, 4}, Size{4, 10}}, std::pair{Size{13, 17}, Size{29, 11}},
                    std::pair{Size{1600, 1200}, Size{1024, 768}},
                    std::pair{Size{1600, 600}, Size{1024, 384}},
                    std::pair{Size{640, 480}, Size{1024, 768}},
                    std::pair{Size{500, 1000}, Size{384, 768}}, std::pair{Size{1, 1}, Size{5, 3}},
                    std::pair{Size{300, 2}, Size{7, 9}}));

} // namespace
} // namespace tovra::picture
