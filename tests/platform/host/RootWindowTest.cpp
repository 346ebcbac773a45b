// The background set for real: on X11 the program's own helper against
// Debian's Xvfb, read back through Xlib as a compositor would; on Wayland
// Debian's Sway, headless, through swaymsg and through the program's own
// swaybg, read back with grim.

#include "picture/Bmp.h"
#include "platform/host/HostWallpaperFactory.h"
#include "platform/host/ToolRunner.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/EncodedPictures.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScriptFiles.h"
#include "tests/support/TempDir.h"
#include "tests/support/XvfbDisplay.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <unistd.h>

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

/// Debian's Sway on its headless backend, in a runtime folder of the test's
/// own. Sway refuses to run as root, so under root it runs as nobody; the
/// picture's folder is opened to it.
class WaylandCompositorTest : public testing::TestWithParam<RootCase> {
protected:
    void SetUp() override {
        for (const char* tool : {"sway", "swaybg", "grim", "swaymsg"}) {
            if (!ToolRunner().run({"sh", "-c", std::string("command -v ") + tool}).succeeded()) {
                GTEST_SKIP() << tool << " is not installed (./scripts/install-deps.sh sway)";
            }
        }
        if (::geteuid() == 0 &&
            !ToolRunner()
                 .run({"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "true"})
                 .succeeded()) {
            GTEST_SKIP() << "nobody, whom Sway runs as under root, cannot run programs here";
        }
        std::filesystem::permissions(scratch.path(), std::filesystem::perms(0755));
        tovra::test::writeBytes(picture, GetParam().file());
        std::filesystem::permissions(picture, std::filesystem::perms(0644));
    }

    /// Starts Sway with that configuration; false when it did not come up.
    bool startSway(const std::string& config) {
        const auto run = scratch.path() / "run";
        std::filesystem::create_directories(run);
        tovra::test::writeBytes(scratch.path() / "sway.config", config);
        std::vector<std::string> argv;
        if (::geteuid() == 0) {
            (void)ToolRunner().run({"chown", "nobody", run.string()});
            argv = {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
        }
        for (const char* word :
             {"env", "-u", "DISPLAY", "WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1",
              "WLR_RENDERER=pixman", "sway", "-c"}) {
            argv.emplace_back(word);
        }
        argv.push_back(scratch.file("sway.config"));
        environment.set("XDG_RUNTIME_DIR", run.string());
        environment.set("HOME", scratch.path().string());
        sway = std::make_unique<tovra::test::ChildProcess>(argv);
        // Sway names its Wayland socket and its command socket itself.
        std::string socket;
        std::string commands;
        for (int attempt = 0; attempt < 500 && (socket.empty() || commands.empty()); ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            for (const auto& entry : std::filesystem::directory_iterator(run)) {
                const auto name = entry.path().filename().string();
                if (name.starts_with("sway-ipc.")) {
                    commands = entry.path().string();
                } else if (name.starts_with("wayland-") && !name.ends_with(".lock")) {
                    socket = name;
                }
            }
        }
        environment.set("WAYLAND_DISPLAY", socket);
        environment.set("SWAYSOCK", commands);
        return !socket.empty() && !commands.empty();
    }

    /// Applies the picture in style on that desktop, as the program does.
    std::string apply(const SessionFacts& facts, WallpaperStyle style) {
        if (!service) {
            service = createHostWallpaper(facts, "/nowhere", errors);
        }
        service->show(picture, style);
        service->waitUntilIdle();
        return errors.str();
    }

    /// The screen as grim sees it, once swaybg has had time to draw.
    void expectScreenShows(const std::vector<Probe>& probes) {
        const auto shot = scratch.path() / "shot.ppm";
        std::string width;
        std::string height;
        std::string pixels;
        for (int attempt = 0; attempt < 50; ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            ASSERT_TRUE(ToolRunner().run({"grim", "-t", "ppm", shot.string()}).succeeded());
            std::ifstream in(shot, std::ios::binary);
            std::string magic;
            std::string depth;
            in >> magic >> width >> height >> depth;
            in.get();
            pixels.assign(std::istreambuf_iterator<char>(in), {});
            if (std::all_of(probes.begin(), probes.end(), [&](const Probe& probe) {
                    return rgbAt(pixels, std::stoi(width), probe.x, probe.y) == probe.rgb;
                })) {
                return;
            }
        }
        for (const Probe& probe : probes) {
            EXPECT_EQ(rgbAt(pixels, std::stoi(width), probe.x, probe.y), probe.rgb)
                << "at " << probe.x << "," << probe.y;
        }
    }

    static std::uint32_t rgbAt(const std::string& pixels, int width, int x, int y) {
        const auto at = 3 * (static_cast<std::size_t>(y) * width + x);
        if (at + 2 >= pixels.size()) {
            return 0xDEADBEEF;
        }
        const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(pixels[at + i]); };
        return (std::uint32_t{byte(0)} << 16) | (std::uint32_t{byte(1)} << 8) | byte(2);
    }

    /// How many swaybg processes this test's process started and has running.
    static int ownSwaybgs() {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
            std::ifstream stat(entry.path() / "stat");
            std::string pid;
            std::string name;
            std::string state;
            int parent = 0;
            if (stat >> pid >> name >> state >> parent && name == "(swaybg)" &&
                parent == ::getpid()) {
                ++count;
            }
        }
        return count;
    }

    tovra::test::TempDir scratch;
    std::string picture = scratch.file("墙 纸 $HOME.bmp");
    tovra::test::ScopedEnvironment environment;
    std::unique_ptr<tovra::test::ChildProcess> sway;
    std::ostringstream errors;
    std::unique_ptr<HostWallpaperService> service;
};

TEST_P(WaylandCompositorTest, SwayShowsThePictureThroughItsOwnCommand) {
    ASSERT_TRUE(startSway("output * bg #000000 solid_color\n")) << "Sway did not start";
    SessionFacts facts{"sway", "", "wayland", false, true, {}, true};
    ASSERT_EQ(apply(facts, WallpaperStyle::Centred), "");
    ASSERT_EQ(apply(facts, GetParam().style), "");
    expectScreenShows(GetParam().probes);
    EXPECT_EQ(ownSwaybgs(), 0); // Sway runs swaybg itself
}

TEST_P(WaylandCompositorTest, AnotherCompositorShowsItThroughTheProgramsOwnSwaybg) {
    // A compositor that draws no background of its own.
    ASSERT_TRUE(startSway("swaybg_command -\n")) << "Sway did not start";
    environment.set("SWAYSOCK", std::nullopt);
    SessionFacts facts{"labwc", "", "wayland", false, true, {}};
    ASSERT_EQ(apply(facts, WallpaperStyle::Centred), "");
    ASSERT_EQ(apply(facts, GetParam().style), "");
    expectScreenShows(GetParam().probes);
    EXPECT_EQ(ownSwaybgs(), 1);
    service.reset();
    EXPECT_EQ(ownSwaybgs(), 0);
}

// Sway's headless output is 1280 x 720: the 4 x 2 picture's corner centred at
// (638, 359) on swaybg's grey 0x3F3F3F, a stretched pixel 320 x 360 screen pixels, probed at its
// middle.
INSTANTIATE_TEST_SUITE_P(
    Styles, WaylandCompositorTest,
    testing::Values(
        RootCase{
            "Centred",
            WallpaperStyle::Centred,
            pictureBmp,
            {{638, 359, 0xFF0000}, {641, 360, 0xA0B0C0}, {0, 0, 0x3F3F3F}, {1279, 719, 0x3F3F3F}}},
        RootCase{
            "Tiled",
            WallpaperStyle::Tiled,
            pictureBmp,
            {{0, 0, 0xFF0000}, {5, 1, 0x405060}, {1002, 700, 0x0000FF}, {1279, 719, 0xA0B0C0}}},
        RootCase{"Stretched",
                 WallpaperStyle::Stretched,
                 pictureBmp,
                 {{160, 180, 0xFF0000}, {480, 180, 0x00FF00}, {1120, 540, 0xA0B0C0}}}),
    [](const testing::TestParamInfo<RootCase>& tested) { return tested.param.name; });

} // namespace
} // namespace tovra::platform::host
