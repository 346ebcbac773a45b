// Xfce's background set for real: Debian's xfconf, xfwm4 and xfdesktop on
// Xvfb and a session bus of the test's own (dbus-daemon, as dbus-run-session
// starts it). The picture is applied before xfdesktop has ever run, as on a
// new account, and must be what xfdesktop shows once it starts.

#include "picture/Bmp.h"
#include "platform/emulated/ProgramSearch.h"
#include "platform/host/HostWallpaperFactory.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDir.h"
#include "tests/support/XvfbDisplay.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <thread>

// After GoogleTest: Xlib's macros (None, Bool, Status) would rename its names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace tovra::platform::host {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr std::uint32_t kColour = 0x3366CC;

/// A 2 by 2 BMP of that one colour.
std::string pictureBmp() {
    picture::Image image({2, 2}, picture::PixelFormat::Bgr24);
    for (int y = 0; y < 2; ++y) {
        for (int i = 0; i < 6; i += 3) {
            image.row(y)[i] = kColour & 0xFF;
            image.row(y)[i + 1] = (kColour >> 8) & 0xFF;
            image.row(y)[i + 2] = kColour >> 16;
        }
    }
    return picture::encodeBmp(image);
}

/// The screen's pixel at x, y, as a screenshot of the root window has it.
unsigned long screenPixel(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    const unsigned long rgb = image != nullptr ? XGetPixel(image, 0, 0) & 0xFFFFFFu : 0;
    if (image != nullptr) {
        XDestroyImage(image);
    }
    return rgb;
}

/// The window manager's workspaces as the root window tells them; 0 before
/// it has.
long workspaces(Display* display) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, DefaultRootWindow(display),
                       XInternAtom(display, "_NET_NUMBER_OF_DESKTOPS", False), 0, 1, False,
                       XA_CARDINAL, &type, &format, &count, &after, &data);
    const long workspaces = data != nullptr && count == 1 ? *reinterpret_cast<long*>(data) : 0;
    XFree(data);
    return workspaces;
}

/// Asks until done says yes, for a generous while: programs that start take
/// their time on a loaded machine.
template <typename Done>
bool eventually(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

TEST(XfdesktopTest, ThePictureAppliedBeforeItFirstRanIsShownWhenItStarts) {
    for (const char* program : {"xfdesktop", "xfwm4", "xfconf-query", "dbus-daemon"}) {
        if (!emulated::findProgram(program)) {
            GTEST_SKIP() << program << " is not installed (scripts/install-deps.sh test)";
        }
    }
    const tovra::test::TempDir scratch;
    const std::string picture = scratch.file("墙纸.bmp");
    tovra::test::writeBytes(picture, pictureBmp());
    const tovra::test::XvfbDisplay xvfb(kWidth, kHeight);
    ASSERT_FALSE(xvfb.name().empty()) << "Xvfb could not be started";
    const std::unique_ptr<Display, decltype(&XCloseDisplay)> connection(
        XOpenDisplay(xvfb.name().c_str()), &XCloseDisplay);
    Display* display = connection.get();
    ASSERT_NE(display, nullptr);

    // What the bus, xfconfd, xfwm4 and xfdesktop read and write stays in scratch.
    tovra::test::ScopedEnvironment environment;
    environment.set("DISPLAY", xvfb.name());
    environment.set("HOME", scratch.path().string());
    for (const char* folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        environment.set(folder, scratch.file(folder));
    }
    environment.set("NO_AT_BRIDGE", "1");
    const tovra::test::ChildProcess bus(
        {"dbus-daemon", "--session", "--nofork", "--print-address={fd}"});
    ASSERT_FALSE(bus.firstLine().empty()) << "dbus-daemon could not be started";
    environment.set("DBUS_SESSION_BUS_ADDRESS", bus.firstLine());
    // The session's window manager comes first, as at a login; without one
    // xfdesktop leaves its window at GTK's default size, unpainted.
    const tovra::test::ChildProcess windowManager({"xfwm4", "--compositor=off"});
    ASSERT_TRUE(eventually([display] { return workspaces(display) > 0; }));
    const long workspaceCount = workspaces(display);

    {
        std::ostringstream errors;
        const auto service =
            createHostWallpaper({"XFCE", "", "x11", true, false, {}}, "/nowhere", errors);
        service->show(picture, WallpaperStyle::Stretched);
        service->waitUntilIdle();
        ASSERT_EQ(errors.str(), "");
    }
    // Xvfb's one output is "screen".
    const std::string listed =
        ToolRunner().run({"xfconf-query", "-c", "xfce4-desktop", "-l"}).output;
    EXPECT_NE(listed.find("/backdrop/screen0/monitorscreen/workspace" +
                          std::to_string(workspaceCount - 1) + "/last-image"),
              std::string::npos)
        << listed;

    const tovra::test::ChildProcess xfdesktop({"xfdesktop"});
    ASSERT_TRUE(xfdesktop.started());
    // Away from the desktop's icons, which xfdesktop lines up from the top left.
    const int x = kWidth - 10;
    const int y = kHeight - 10;
    EXPECT_TRUE(eventually([&] { return screenPixel(display, x, y) == kColour; }))
        << "the screen shows " << std::hex << screenPixel(display, x, y);
    EXPECT_EQ(screenPixel(display, kWidth / 2, kHeight / 2), kColour);
}

} // namespace
} // namespace tovra::platform::host
