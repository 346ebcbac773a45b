#include "platform/emulated/UserFolders.h"

#include "tests/support/EmulatedFakes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace tovra::platform::emulated {
namespace {

using test::ScopedEnvironment;
using tovra::test::TempDir;
using tovra::test::writeBytes;

struct DesktopCase {
    const char* name;
    /// user-dirs.dirs in <home>/.config; nullptr: no such file.
    const char* userDirs;
    /// XDG_DESKTOP_DIR in the environment; nullptr: unset.
    const char* environment;
    /// Expected, relative to the scratch home unless absolute.
    const char* expected;
};

TEST(UserFolders, DesktopFolderIsWhatXdgUserDirAnswers) {
    const DesktopCase cases[] = {
        {"nothing configured", nullptr, nullptr, "Desktop"},
        {"relative to HOME", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n", nullptr, "Schreibtisch"},
        {"absolute", "XDG_DESKTOP_DIR=\"/srv/desk\"\n", nullptr, "/srv/desk"},
        {"HOME itself", "XDG_DESKTOP_DIR=\"$HOME\"\n", nullptr, ""},
        {"comments, other folders and the last assignment",
         "# written by xdg-user-dirs-update\nXDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
         "XDG_DESKTOP_DIR=\"$HOME/old\"\n  XDG_DESKTOP_DIR=\"$HOME/桌面\"\r\n",
         nullptr, "桌面"},
        {"the environment when the file says nothing", "XDG_MUSIC_DIR=\"$HOME/Music\"\n",
         "/env/desk", "/env/desk"},
        {"the file wins over the environment", "XDG_DESKTOP_DIR=\"$HOME/file\"\n", "/env/desk",
         "file"},
        {"a value the format does not allow is ignored", "XDG_DESKTOP_DIR=\"Desktop2\"\n", nullptr,
         "Desktop"},
        {"$HOMEX is not $HOME", "XDG_DESKTOP_DIR=\"$HOMEX/d\"\n", nullptr, "Desktop"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir home;
        ScopedEnvironment environment;
        environment.set("HOME", home.path().string());
        environment.set("XDG_CONFIG_HOME", std::nullopt);
        environment.set("XDG_DESKTOP_DIR",
                        c.environment ? std::optional<std::string>(c.environment) : std::nullopt);
        if (c.userDirs != nullptr) {
            std::filesystem::create_directories(home.path() / ".config");
            writeBytes(home.path() / ".config" / "user-dirs.dirs", c.userDirs);
        }
        const std::filesystem::path expected(c.expected);
        const auto found = desktopFolder();
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(*found, expected.empty()         ? home.path()
                          : expected.is_absolute() ? expected
                                                   : home.path() / expected);
    }
}

TEST(UserFolders, ConfigHomeIsWhereTheUserDirsFileIs) {
    TempDir home;
    TempDir config;
    ScopedEnvironment environment;
    environment.set("HOME", home.path().string());
    environment.set("XDG_CONFIG_HOME", config.path().string());
    environment.set("XDG_DESKTOP_DIR", std::nullopt);
    writeBytes(config.path() / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/elsewhere\"\n");
    EXPECT_EQ(desktopFolder(), home.path() / "elsewhere");
}

TEST(UserFolders, AutostartFolderFollowsTheBaseDirectoryRules) {
    struct Case {
        const char* name;
        std::optional<std::string> configHome;
        const char* expected; // relative to the scratch home unless absolute
    };
    const Case cases[] = {
        {"unset", std::nullopt, ".config/autostart"},
        {"empty", "", ".config/autostart"},
        {"relative, which the rules ignore", "cfg", ".config/autostart"},
        {"absolute", "/srv/cfg", "/srv/cfg/autostart"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir home;
        ScopedEnvironment environment;
        environment.set("HOME", home.path().string());
        environment.set("XDG_CONFIG_HOME", c.configHome);
        const std::filesystem::path expected(c.expected);
        EXPECT_EQ(autostartFolder(), expected.is_absolute() ? expected : home.path() / expected);
    }
}

} // namespace
} // namespace tovra::platform::emulated
