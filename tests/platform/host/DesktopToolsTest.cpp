// Each desktop's own tools, run for real: Debian's gsettings against a
// private keyfile backend (no session bus), and stand-ins on PATH for the
// tools of desktops whose own state a test cannot read back (xfconf-query,
// dbus-send), which record the arguments they are given. And the rules the
// setters build those arguments with: file URIs, Xfce's background names.

#include "platform/host/HostWallpaperFactory.h"
#include "platform/host/XfceSetter.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScriptFiles.h"
#include "tests/support/TempDir.h"

#include <cctype>
#include <clocale>
#include <gtest/gtest.h>
#include <sstream>

namespace tovra::platform::host {
namespace {

using tovra::test::readBytes;
using tovra::test::writeScript;

/// Puts this process's character classes back as they were.
struct RestoreCharacterClasses {
    std::string previous = std::setlocale(LC_CTYPE, nullptr);
    ~RestoreCharacterClasses() { std::setlocale(LC_CTYPE, previous.c_str()); }
};

TEST(FileUriTest, EveryByteButTheUnreservedOnesIsEscapedWhateverTheLocale) {
    // A Latin-1 locale of the test's own, under which <cctype> calls most
    // bytes of UTF-8 text letters.
    const tovra::test::TempDir scratch;
    tovra::test::ScopedEnvironment environment;
    environment.set("LOCPATH", scratch.path().string());
    ASSERT_TRUE(
        ToolRunner(std::chrono::seconds(60))
            .run({"localedef", "-i", "fr_FR", "-f", "ISO-8859-1", scratch.file("fr_FR.ISO-8859-1")})
            .succeeded())
        << "no fr_FR.ISO-8859-1 locale: install Debian's locales";
    const RestoreCharacterClasses restore;
    ASSERT_NE(std::setlocale(LC_CTYPE, "fr_FR.ISO-8859-1"), nullptr);
    ASSERT_NE(std::isalpha(0xC3), 0); // "Ã"

    const struct {
        const char* path;
        const char* uri;
    } cases[] = {
        {"/home/u/Az-09._~/x", "file:///home/u/Az-09._~/x"},
        // What would end the quoted string of a script, or a URI's path.
        {"/a b'\"#?%;", "file:///a%20b%27%22%23%3F%25%3B"},
        {"/home/u/中文/é.bmp", "file:///home/u/%E4%B8%AD%E6%96%87/%C3%A9.bmp"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fileUri(c.path), c.uri);
    }
}

TEST(XfceBackdropTest, ANewScreenGetsEveryMonitorNameOnEveryWorkspace) {
    const std::string at = "/backdrop/screen0/monitor";
    const struct {
        const char* name;
        XfceScreen screen;
        std::vector<std::string> folders;
    } cases[] = {
        {"OutputsAndWorkspaces",
         {{"Virtual-1", "HDMI-1"}, 2},
         {at + "Virtual-1/workspace0", at + "Virtual-1/workspace1", at + "HDMI-1/workspace0",
          at + "HDMI-1/workspace1", at + "0/workspace0", at + "0/workspace1"}},
        {"NoWindowManagerYet", {{"screen"}, 0}, {at + "screen/workspace0", at + "0/workspace0"}},
        {"NoDisplay", {{}, 0}, {at + "0/workspace0"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(newBackdropFolders(c.screen), c.folders) << c.name;
    }
    // A damaged count costs two runs of xfconf-query per workspace, not billions.
    const auto damaged = newBackdropFolders({{}, 4'000'000'000});
    EXPECT_EQ(damaged.size(), 32u);
    EXPECT_EQ(damaged.back(), at + "0/workspace31");
}

class DesktopToolsTest : public testing::Test {
protected:
    DesktopToolsTest() {
        environment.set("GSETTINGS_BACKEND", "keyfile");
        environment.set("XDG_CONFIG_HOME", (scratch.path() / "config").string());
        environment.set("DBUS_SESSION_BUS_ADDRESS", std::nullopt);
        const char* path = std::getenv("PATH");
        environment.set("PATH", (scratch.path() / "bin").string() + ":" +
                                    (path != nullptr ? path : "/usr/bin:/bin"));
    }

    /// Applies the picture on the desktop named as XDG_CURRENT_DESKTOP names it.
    std::string apply(const std::string& desktop, WallpaperStyle style) {
        std::ostringstream errors;
        const auto service =
            createHostWallpaper({desktop, "", "x11", true, false, {}}, "/nowhere", errors);
        service->show(picture, style);
        service->waitUntilIdle();
        return errors.str();
    }

    static std::string gsettings(const std::string& key) {
        ToolResult got =
            ToolRunner().run({"gsettings", "get", "org.gnome.desktop.background", key});
        return got.output.substr(0, got.output.find('\n'));
    }

    tovra::test::TempDir scratch;
    tovra::test::ScopedEnvironment environment;
    std::string picture = scratch.file("墙 纸.bmp");
};

TEST_F(DesktopToolsTest, GnomeGetsThePictureAndItsOptions) {
    const struct {
        WallpaperStyle style;
        const char* options;
    } cases[] = {{WallpaperStyle::Centred, "'centered'"},
                 {WallpaperStyle::Tiled, "'wallpaper'"},
                 {WallpaperStyle::Stretched, "'stretched'"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        ASSERT_EQ(apply("ubuntu:GNOME", c.style), "");
        EXPECT_EQ(gsettings("picture-options"), c.options);
        const std::string uri = gsettings("picture-uri");
        EXPECT_TRUE(uri.starts_with("'file:///")) << uri;
        EXPECT_TRUE(uri.ends_with("/%E5%A2%99%20%E7%BA%B8.bmp'")) << uri;
        EXPECT_EQ(gsettings("picture-uri-dark"), uri);
    }
}

struct StandInCase {
    const char* name;
    const char* desktop;
    const char* tool;
    const char* answer; // what the stand-in prints
    WallpaperStyle style;
    std::vector<std::string> logged; // in this order, {picture} standing for the path
};

class StandInToolTest : public DesktopToolsTest, public testing::WithParamInterface<StandInCase> {};

TEST_P(StandInToolTest, TheDesktopsToolIsGivenEveryBackground) {
    const auto& c = GetParam();
    const auto log = scratch.path() / "calls.log";
    writeScript(scratch.path() / "bin" / c.tool, "printf '%s|' \"$@\" >> '" + log.string() +
                                                     "'\necho >> '" + log.string() + "'\nprintf '" +
                                                     c.answer + "'");

    ASSERT_EQ(apply(c.desktop, c.style), "");
    const std::string calls = readBytes(log);
    std::size_t from = 0;
    for (std::string expected : c.logged) {
        if (const auto at = expected.find("{picture}"); at != std::string::npos) {
            expected.replace(at, 9, picture);
        }
        const auto found = calls.find(expected, from);
        ASSERT_NE(found, std::string::npos) << expected << "\nin:\n" << calls;
        from = found + expected.size();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, StandInToolTest,
    testing::Values(
        StandInCase{
            "XfceEveryMonitorAndWorkspace",
            "XFCE",
            "xfconf-query",
            "/backdrop/screen0/monitorVirtual1/workspace0/last-image\\n"
            "/backdrop/screen0/monitorVirtual1/workspace0/image-style\\n"
            "/backdrop/screen0/monitorVirtual1/workspace1/last-image\\n"
            "/backdrop/screen0/monitor1/workspace0/color1\\n",
            WallpaperStyle::Tiled,
            {"-c|xfce4-desktop|-l|\n",
             "-p|/backdrop/screen0/monitorVirtual1/workspace0/image-style|-n|-t|int|-s|2|\n",
             "-p|/backdrop/screen0/monitorVirtual1/workspace0/last-image|-n|-t|string|-s|"
             "{picture}|\n",
             "-p|/backdrop/screen0/monitorVirtual1/workspace1/image-style|-n|-t|int|-s|2|\n",
             "-p|/backdrop/screen0/monitorVirtual1/workspace1/last-image|-n|-t|string|-s|"
             "{picture}|\n"}},
        StandInCase{"PlasmaEveryDesktopThroughItsScript",
                    "KDE",
                    "dbus-send",
                    "",
                    WallpaperStyle::Stretched,
                    {"--session|--type=method_call|--print-reply|--dest=org.kde.plasmashell|"
                     "/PlasmaShell|org.kde.PlasmaShell.evaluateScript|string:var all = desktops();",
                     "d.writeConfig('Image', 'file://", "/%E5%A2%99%20%E7%BA%B8.bmp');",
                     "d.writeConfig('FillMode', 0);"}}),
    [](const testing::TestParamInfo<StandInCase>& tested) { return tested.param.name; });

} // namespace
} // namespace tovra::platform::host
