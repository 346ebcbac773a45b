// What the program does when the real desktop does not take a wallpaper: the
// apply goes on as before (the emulated registry holds the picture), and the
// reason is told on standard error once, however often it happens.

#include "platform/emulated/EmulatedRegistry.h"
#include "platform/emulated/EmulatedShell.h"
#include "platform/host/HostWallpaperFactory.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScriptFiles.h"
#include "tests/support/TempDir.h"

#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <sstream>

namespace tovra::platform::host {
namespace {

using tovra::test::readBytes;
using tovra::test::writeBytes;
using tovra::test::writeScript;

struct FailureCase {
    const char* name;
    const char* desktop;               // XDG_CURRENT_DESKTOP; the session has no display
    const char* standIn;               // a script for xfconf-query on PATH; nullptr: none
    bool debianTools;                  // PATH has Debian's programs (gsettings) too
    const char* told;                  // what standard error says
    const char* tool = "xfconf-query"; // the stand-in's name
};

class HostWallpaperFailureTest : public testing::TestWithParam<FailureCase> {
protected:
    HostWallpaperFailureTest() {
        writeBytes(picture, "BM");
        environment.set("PATH", (scratch.path() / "bin").string());
        environment.set("GSETTINGS_BACKEND", "keyfile");
        environment.set("XDG_CONFIG_HOME", (scratch.path() / "config").string());
    }

    /// gsettings sees one compiled schema, GNOME's background, whatever the
    /// machine has installed (MATE's schema, on a machine with MATE).
    void useOnlyGnomeSchema() {
        const auto schemas = scratch.path() / "schemas";
        std::filesystem::create_directories(schemas);
        writeBytes(schemas / "org.gnome.desktop.background.gschema.xml",
                   "<schemalist><schema id='org.gnome.desktop.background' "
                   "path='/org/gnome/desktop/background/'><key name='picture-uri' type='s'>"
                   "<default>''</default></key></schema></schemalist>");
        ASSERT_TRUE(ToolRunner().run({"glib-compile-schemas", schemas.string()}).succeeded());
        environment.set("GSETTINGS_SCHEMA_DIR", schemas.string());
        environment.set("XDG_DATA_DIRS", (scratch.path() / "share").string());
        environment.set("XDG_DATA_HOME", (scratch.path() / "data").string());
    }

    std::string storedWallpaper() {
        HKey key = 0;
        RegValue value;
        if (registry.openKey(kHkeyCurrentUser, "Control Panel\\Desktop", key) == kErrorSuccess) {
            registry.queryValue(key, "Wallpaper", value);
            registry.closeKey(key);
        }
        return value.asText();
    }

    tovra::test::TempDir scratch;
    tovra::test::ScopedEnvironment environment;
    emulated::StateRoot root{scratch.path() / "state"};
    emulated::EmulatedRegistry registry{root.path()};
    emulated::test::RecordingLauncher launcher;
    std::string picture = scratch.file("wall.bmp");
};

TEST_P(HostWallpaperFailureTest, TheApplyGoesOnAndTheReasonIsToldOnce) {
    const auto& c = GetParam();
    if (c.standIn != nullptr) {
        writeScript(scratch.path() / "bin" / c.tool, c.standIn);
    }
    if (c.debianTools) {
        environment.set("PATH", (scratch.path() / "bin").string() + ":/usr/bin:/bin");
        ASSERT_NO_FATAL_FAILURE(useOnlyGnomeSchema());
    }
    std::ostringstream errors;
    auto service = createHostWallpaper({c.desktop, "", "", false, false, {}}, "/nowhere", errors,
                                       ToolRunner(std::chrono::milliseconds(300)));
    emulated::EmulatedShell shell(registry, root, launcher, service.get());

    for (int change = 0; change < 2; ++change) {
        ASSERT_TRUE(shell.setDeskWallpaper(picture, kSpifUpdateIniFile | kSpifSendWinIniChange));
        EXPECT_EQ(storedWallpaper(), picture);
        service->waitUntilIdle();
    }
    const std::string told = errors.str();
    EXPECT_NE(told.find(c.told), std::string::npos) << told;
    EXPECT_EQ(told.find('\n'), told.size() - 1) << told; // one line: told once

    // A tool that hung was stopped, and nothing of it is left running.
    if (const std::string pid = readBytes(scratch.path() / "hung.pid"); !pid.empty()) {
        EXPECT_EQ(::kill(std::stoi(pid), 0), -1);
        EXPECT_EQ(errno, ESRCH);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, HostWallpaperFailureTest,
    testing::Values(
        FailureCase{"NoDesktop", "", nullptr, false,
                    "no desktop whose wallpaper this program can set"},
        FailureCase{"ToolMissing", "XFCE", nullptr, false,
                    "the Xfce wallpaper was not changed: xfconf-query is not installed"},
        FailureCase{"ToolHangs", "XFCE", "echo $$ > \"${0%/*}/../hung.pid\"\nexec /bin/sleep 60",
                    false, "xfconf-query did not finish within 300 ms and was stopped"},
        // Debian's gsettings, on a machine with GNOME's schema and not MATE's.
        FailureCase{"SchemaMissing", "MATE", nullptr, true,
                    "the MATE wallpaper was not changed: gsettings failed: No such schema"},
        FailureCase{"SwaybgMissing", "river", nullptr, false,
                    "the Wayland compositor wallpaper was not changed: swaybg is not installed"},
        FailureCase{"SwaybgFails", "labwc", "echo 'cannot load image' >&2\nexit 1", false,
                    "swaybg failed: cannot load image", "swaybg"},
        FailureCase{
            "SwaymsgHangs", "sway", "echo $$ > \"${0%/*}/../hung.pid\"\nexec /bin/sleep 60", false,
            "the Sway wallpaper was not changed: swaymsg did not finish within 300 ms", "swaymsg"},
        FailureCase{"SwaymsgRefused", "sway",
                    "printf '[ { \"success\": false, \"error\": \"Unknown output\" } ]\\n'\nexit 2",
                    false, "swaymsg failed: Unknown output", "swaymsg"}),
    [](const testing::TestParamInfo<FailureCase>& tested) { return tested.param.name; });

} // namespace
} // namespace tovra::platform::host
