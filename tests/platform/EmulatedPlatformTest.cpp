#include "platform/emulated/EmulatedPlatform.h"

#include "platform/Error.h"
#include "platform/emulated/EmulatedDesktopWindows.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/HostStandIns.h"
#include "tests/support/TempDir.h"

#include <array>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tovra::platform::emulated {
namespace {

using test::FakeHostDesktop;
using test::ScopedEnvironment;
using ::testing::HasSubstr;
using tovra::test::readBytes;
using tovra::test::RecordingTray;
using tovra::test::ScriptedMessageBoxes;
using tovra::test::TempDir;
using tovra::test::writeBytes;

class EmulatedPlatformTest : public testing::Test {
protected:
    EmulatedPlatformTest() {
        environment.set("XDG_DATA_HOME", (scratch.path() / "data").string());
        environment.set("HOME", (scratch.path() / "home").string());
    }

    TempDir scratch;
    ScopedEnvironment environment;
    FakeHostDesktop host;
    ScriptedMessageBoxes boxes{kIdYes};
    RecordingTray tray{false};
    std::filesystem::path root = scratch.path() / "data" / "TovraDesktop";
};

TEST_F(EmulatedPlatformTest, EveryServiceWorksOnTheUsersStateRoot) {
    const auto native = createEmulatedPlatform({host, boxes, tray}, StateRoot::fromEnvironment());
    const Platform platform = native->platform();
    EXPECT_EQ(&platform.messageBoxes, &boxes);
    EXPECT_EQ(&platform.tray, &tray);

    EXPECT_EQ(platform.files.tempPath(), (root / "Temp").string() + "/");
    EXPECT_EQ(platform.files.systemDirectory(), (root / "System32").string());

    const std::string picture = scratch.file("wall.bmp");
    writeBytes(picture, "BM");
    ASSERT_TRUE(platform.shell.setDeskWallpaper(picture, kSpifUpdateIniFile));
    HKey key = 0;
    ASSERT_EQ(platform.registry.openKey(kHkeyCurrentUser, "Control Panel\\Desktop", key),
              kErrorSuccess);
    RegValue value;
    EXPECT_EQ(platform.registry.queryValue(key, "Wallpaper", value), kErrorSuccess);
    EXPECT_EQ(value.asText(), picture);
    platform.registry.closeKey(key);
    EXPECT_NE(readBytes(root / "registry.reg").find("wall.bmp"), std::string::npos);

    EXPECT_EQ(platform.screen.getSystemMetrics(kSmCxScreen), 1024);
    const Hwnd taskbar = platform.windows.findWindow("Shell_TrayWnd", std::nullopt);
    EXPECT_EQ(platform.windows.getWindowRect(taskbar), (Rect{0, 728, 1024, 768}));

    EXPECT_EQ(platform.processes.winExec("/bin/true", kSwShow), 33u);
    EXPECT_NE(readBytes(root / "processes.log").find("/bin/true"), std::string::npos);
}

TEST_F(EmulatedPlatformTest, TheStateRootIsTheUsersOwnPrivateFolderOrNone) {
    struct RootCase {
        const char* name;
        /// Makes what is found at the root; false: cannot be set up here.
        std::function<bool(const std::filesystem::path& folder)> plant;
        /// A part of the message; nullptr: the platform is made.
        const char* refusal;
    };
    const RootCase cases[] = {
        {"missing", [](const auto&) { return true; }, nullptr},
        {"open to everyone",
         [](const auto& folder) {
             std::filesystem::create_directories(folder);
             return ::chmod(folder.c_str(), 0777) == 0;
         },
         nullptr},
        {"a link to a folder of ours open to the group",
         [](const auto& folder) {
             std::filesystem::create_directories(folder.parent_path() / "mine");
             std::filesystem::create_directory_symlink("mine", folder);
             return ::chmod(folder.c_str(), 0750) == 0;
         },
         nullptr},
        {"another user's",
         [](const auto& folder) {
             std::filesystem::create_directories(folder);
             ::chmod(folder.c_str(), 0755);
             return ::geteuid() == 0 && ::chown(folder.c_str(), 65534, 65534) == 0;
         },
         "belongs to another user (uid 65534)"},
        {"a file",
         [](const auto& folder) {
             std::filesystem::create_directories(folder.parent_path());
             writeBytes(folder, "");
             return true;
         },
         "is no folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(scratch.path() / "data");
        if (!c.plant(root)) {
            continue; // needs privileges this run does not have
        }
        struct stat before {};
        ::stat(root.c_str(), &before);
        try {
            const auto native =
                createEmulatedPlatform({host, boxes, tray}, StateRoot::fromEnvironment());
            EXPECT_EQ(c.refusal, nullptr);
            struct stat info {};
            EXPECT_EQ(::stat(root.c_str(), &info), 0);
            EXPECT_TRUE(S_ISDIR(info.st_mode));
            EXPECT_EQ(info.st_mode & 0777, 0700u);
        } catch (const Error& error) {
            ASSERT_NE(c.refusal, nullptr) << error.what();
            EXPECT_THAT(error.what(), HasSubstr(root.string()));
            EXPECT_THAT(error.what(), HasSubstr(c.refusal));
            struct stat after {};
            ::stat(root.c_str(), &after);
            EXPECT_EQ(after.st_mode, before.st_mode) << "a refused folder is left as it was";
        }
    }
}

TEST_F(EmulatedPlatformTest, TheIconListIsOneStateForWindowsScreenAndProfiles) {
    const auto native = createEmulatedPlatform({host, boxes, tray}, StateRoot::fromEnvironment());
    const Platform platform = native->platform();
    const std::string iconFile = (root / "DesktopIcons.ini").string();

    platform.windows.showWindow(kIconListWindow, kSwHide);
    platform.windows.sendMessage(kIconListWindow, kLvmSetTextColor, 0, 0x000000FF);
    EXPECT_EQ(platform.profiles.readString(iconFile, "DesktopIcons", "Visible", "", 8), "0");

    const std::array elements{kColorBackground};
    const std::array colors{platform.screen.getSysColor(kColorBackground)};
    ASSERT_TRUE(platform.screen.setSysColors(elements, colors));
    EXPECT_EQ(platform.windows.sendMessage(kIconListWindow, kLvmGetTextColor, 0, 0), 0x00FFFFFF);

    // A second instance of the program sees the same emulated Windows.
    const auto second = createEmulatedPlatform({host, boxes, tray}, StateRoot::fromEnvironment());
    EXPECT_FALSE(second->platform().windows.showWindow(kIconListWindow, kSwShow));
}

TEST_F(EmulatedPlatformTest, TheProgramsRunValueIsTheUsersAutostartEntry) {
    environment.set("XDG_CONFIG_HOME", std::nullopt);
    const auto native = createEmulatedPlatform({host, boxes, tray}, StateRoot::fromEnvironment());
    Registry& registry = native->platform().registry;
    const auto entry =
        scratch.path() / "home" / ".config" / "autostart" / "tovra-run-tavrodesktop.desktop";

    HKey run = 0;
    ASSERT_EQ(registry.createKey(kHkeyLocalMachine,
                                 "Software\\Microsoft\\Windows\\CurrentVersion\\Run", run),
              kErrorSuccess);
    ASSERT_EQ(registry.setValue(run, "TavroDesktop", RegValue::text("\"/opt/my apps/Tovra\"")),
              kErrorSuccess);
    EXPECT_NE(readBytes(entry).find("\nExec=\"/opt/my apps/Tovra\"\n"), std::string::npos);
    EXPECT_NE(readBytes(root / "registry.reg").find("TavroDesktop"), std::string::npos);

    ASSERT_EQ(registry.deleteValue(run, "TavroDesktop"), kErrorSuccess);
    EXPECT_FALSE(std::filesystem::exists(entry));
    registry.closeKey(run);
}

} // namespace
} // namespace tovra::platform::emulated
