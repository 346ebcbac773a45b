// The X11 root window's background set for real: the program's own helper
// against Debian's Xvfb, read back through Xlib as a compositor would.

#include "picture/Bmp.h"
#include "platform/host/HostWallpaperFactory.h"
#include "tests/support/EncodedPictures.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDir.h"
#include "tests/support/XvfbDisplay.h"

#include <gtest/gtest.h>
#include <sstream>

// After GoogleTest: Xlib's macros (None, Bool, Status) would rename its names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace tovra::platform::host {
namespace {

constexpr int kScreenWidth = 64;
constexpr int kScreenHeight = 48;

// A 4 by 2 picture, every pixel its own colour.
constexpr std::uint32_t kPicture[2][4] = {{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF},
                                          {0x102030, 0x405060, 0x708090, 0xA0B0C0}};

/// The picture as a 24-bit BMP, the kind the wallpaper setter writes.
std::string pictureBmp() {
    picture::Image image({4, 2}, picture::PixelFormat::Bgr24);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            const std::uint32_t rgb = kPicture[y][x];
            image.row(y)[3 * x] = static_cast<std::uint8_t>(rgb & 0xFF);
            image.row(y)[3 * x + 1] = static_cast<std::uint8_t>((rgb >> 8) & 0xFF);
            image.row(y)[3 * x + 2] = static_cast<std::uint8_t>(rgb >> 16);
        }
    }
    return picture::encodeBmp(image);
}

/// A 4 by 2 GIF: pixel (x, y) is red x + 16 y, green 255 minus that, blue 0.
std::string pictureGif() {
    return tovra::test::gifFile({4, 2}, {{0, 0, 4, 2}});
}

struct Probe {
    int x;
    int y;
    std::uint32_t rgb;
};

struct RootCase {
    const char* name;
    WallpaperStyle style;
    std::string (*file)();
    std::vector<Probe> probes;
};

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

class RootWindowTest : public testing::TestWithParam<RootCase> {
protected:
    RootWindowTest() {
        tovra::test::writeBytes(picture, GetParam().file());
        environment.set("DISPLAY", xvfb.name());
    }

    /// Applies the picture in style as the program does, and waits for it.
    std::string apply(WallpaperStyle style) {
        std::ostringstream errors;
        const auto service =
            createHostWallpaper({"", "", "x11", true, false, {}}, TOVRA_SETROOT_PATH, errors);
        service->show(picture, style);
        service->waitUntilIdle();
        return errors.str();
    }

    std::optional<Pixmap> rootPixmap(Display* display, const char* property) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        std::optional<Pixmap> pixmap;
        XGetWindowProperty(display, DefaultRootWindow(display),
                           XInternAtom(display, property, False), 0, 1, False, XA_PIXMAP, &type,
                           &format, &count, &after, &data);
        if (data != nullptr && count == 1) {
            pixmap = *reinterpret_cast<Pixmap*>(data);
        }
        XFree(data);
        return pixmap;
    }

    tovra::test::TempDir scratch;
    std::string picture = scratch.file("WallPaper.BMP");
    tovra::test::XvfbDisplay xvfb{kScreenWidth, kScreenHeight};
    tovra::test::ScopedEnvironment environment;
};

TEST_P(RootWindowTest, TheRootWindowShowsThePictureInItsStyle) {
    ASSERT_FALSE(xvfb.name().empty()) << "Xvfb could not be started";
    ASSERT_EQ(apply(WallpaperStyle::Centred), "");
    Display* display = XOpenDisplay(xvfb.name().c_str());
    ASSERT_NE(display, nullptr);
    XSetErrorHandler(ignoreErrors);
    const auto first = rootPixmap(display, "_XROOTPMAP_ID");

    ASSERT_EQ(apply(GetParam().style), "");
    const auto current = rootPixmap(display, "_XROOTPMAP_ID");
    ASSERT_TRUE(current.has_value());
    EXPECT_EQ(rootPixmap(display, "ESETROOT_PMAP_ID"), current);
    // The earlier background is freed: its name is gone, or given to the new one.
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned w = 0;
    unsigned h = 0;
    unsigned border = 0;
    unsigned depth = 0;
    const bool firstStillThere =
        XGetGeometry(display, *first, &root, &x, &y, &w, &h, &border, &depth) != 0;
    EXPECT_TRUE(*first == *current || !firstStillThere);

    XImage* image = XGetImage(display, DefaultRootWindow(display), 0, 0, kScreenWidth,
                              kScreenHeight, AllPlanes, ZPixmap);
    ASSERT_NE(image, nullptr);
    for (const Probe& probe : GetParam().probes) {
        EXPECT_EQ(XGetPixel(image, probe.x, probe.y) & 0xFFFFFFu, probe.rgb)
            << "at " << probe.x << "," << probe.y;
    }
    XDestroyImage(image);
    XCloseDisplay(display);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, RootWindowTest,
    testing::Values(
        // 64 x 48 screen: the 4 x 2 picture's corner at (30, 23).
        RootCase{"Centred",
                 WallpaperStyle::Centred,
                 pictureBmp,
                 {{30, 23, 0xFF0000}, {33, 24, 0xA0B0C0}, {29, 23, 0}, {34, 25, 0}, {0, 0, 0}}},
        RootCase{"Tiled",
                 WallpaperStyle::Tiled,
                 pictureBmp,
                 {{0, 0, 0xFF0000}, {5, 1, 0x405060}, {62, 46, 0x0000FF}, {63, 47, 0xA0B0C0}}},
        RootCase{"Stretched",
                 WallpaperStyle::Stretched,
                 pictureBmp,
                 {{0, 0, 0xFF0000},
                  {15, 23, 0xFF0000},
                  {16, 0, 0x00FF00},
                  {0, 24, 0x102030},
                  {63, 47, 0xA0B0C0}}},
        // A picture the emulated state names as it is, not as a bitmap.
        RootCase{"StretchedGif",
                 WallpaperStyle::Stretched,
                 pictureGif,
                 {{0, 0, 0x00FF00}, {16, 0, 0x01FE00}, {63, 47, 0x13EC00}}}),
    [](const testing::TestParamInfo<RootCase>& tested) { return tested.param.name; });

TEST(RootHelperTest, IsFoundBesideTheProgramElseInTheInstallsLibexecFolder) {
    const std::filesystem::path helper(TOVRA_SETROOT_PATH);
    EXPECT_EQ(rootHelperFor(helper.parent_path() / "TovraDesktop"), helper);
    EXPECT_EQ(rootHelperFor("/opt/tovra/bin/TovraDesktop"),
              "/opt/tovra/libexec/TovraDesktop/tovra-setroot");
}

} // namespace
} // namespace tovra::platform::host
