#include "platform/emulated/EmulatedDesktopWindows.h"

#include "platform/emulated/EmulatedProfileFiles.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tovra::platform::emulated {
namespace {

using test::FakeHostDesktop;
using test::PanelEdge;
using test::ScopedEnvironment;
using tovra::test::readBytes;
using tovra::test::TempDir;
using tovra::test::writeBytes;

constexpr Rect kScreen{0, 0, 1024, 768};
constexpr int kClassBuffer = 39; // what the desktop icon settings pass

/// One running instance of the program: its own profile backend, icon list
/// and window table over a shared state root.
struct Instance {
    Instance(HostDesktop& host, const StateRoot& root)
        : iconList(profiles, root)
        , windows(host, iconList) {}
    EmulatedProfileFiles profiles;
    DesktopIconList iconList;
    EmulatedDesktopWindows windows;
};

class DesktopWindowsTest : public testing::Test {
protected:
    TempDir scratch;
    StateRoot root{scratch.path() / "root"};
    FakeHostDesktop host{PanelEdge::Bottom};
    Instance first{host, root};
};

struct PanelCase {
    PanelEdge edge;
    std::optional<Rect> taskbar;
};

class TaskbarPosition : public DesktopWindowsTest, public testing::WithParamInterface<PanelCase> {};

TEST_P(TaskbarPosition, IsThePanelStripOfTheRealScreen) {
    host.setPanel(GetParam().edge);
    auto& windows = first.windows;
    const Hwnd taskbar = windows.findWindow("Shell_TrayWnd", std::nullopt);
    if (!GetParam().taskbar) {
        EXPECT_EQ(taskbar, 0u);
        EXPECT_EQ(windows.getWindowRect(kTrayWindow), std::nullopt);
        EXPECT_EQ(windows.getClassName(kTrayWindow, kClassBuffer), "");
    } else {
        ASSERT_NE(taskbar, 0u);
        EXPECT_EQ(windows.getWindowRect(taskbar), GetParam().taskbar);
        EXPECT_EQ(windows.getClassName(taskbar, kClassBuffer), "Shell_TrayWnd");
    }
    EXPECT_EQ(windows.findWindow("CabinetWClass", std::nullopt), 0u);
    for (const Hwnd window : {kProgmanWindow, kDefViewWindow, kIconListWindow}) {
        EXPECT_EQ(windows.getWindowRect(window), kScreen);
    }
}

INSTANTIATE_TEST_SUITE_P(EmulatedDesktopWindows, TaskbarPosition,
                         testing::Values(PanelCase{PanelEdge::Bottom, Rect{0, 728, 1024, 768}},
                                         PanelCase{PanelEdge::Top, Rect{0, 0, 1024, 40}},
                                         PanelCase{PanelEdge::Left, Rect{0, 0, 40, 768}},
                                         PanelCase{PanelEdge::Right, Rect{984, 0, 1024, 768}},
                                         PanelCase{PanelEdge::None, std::nullopt}));

TEST_F(DesktopWindowsTest, TheTaskbarFollowsThePanelBetweenCalls) {
    auto& windows = first.windows;
    const Hwnd taskbar = windows.findWindow("Shell_TrayWnd", std::nullopt);
    ASSERT_NE(taskbar, 0u);
    host.setPanel(PanelEdge::None);
    EXPECT_EQ(windows.getWindowRect(taskbar), std::nullopt);
    host.setPanel(PanelEdge::Left);
    EXPECT_EQ(windows.getWindowRect(taskbar), (Rect{0, 0, 40, 768}));
}

TEST_F(DesktopWindowsTest, FindWindowSearchesTopLevelWindowsByClassAndTitle) {
    struct Case {
        const char* className;
        std::optional<std::string> title;
        Hwnd expected;
    };
    const Case cases[] = {
        {"Progman", std::nullopt, kProgmanWindow},
        {"ProgMan", std::nullopt, kProgmanWindow},
        {"PROGMAN", "program manager", kProgmanWindow},
        {"Progman", "Other", 0},
        {"Progman", "", 0},
        {"Shell_TrayWnd", "", kTrayWindow},
        {"", "Program Manager", kProgmanWindow},
        {"", std::nullopt, kTrayWindow},       // the topmost window
        {"SHELLDLL_DefView", std::nullopt, 0}, // a child, not top-level
        {"SysListView32", std::nullopt, 0},
        {"CabinetWClass", std::nullopt, 0},
        {"Progman2", std::nullopt, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.className) + " / " + c.title.value_or("(null)"));
        EXPECT_EQ(first.windows.findWindow(c.className, c.title), c.expected);
    }
}

TEST_F(DesktopWindowsTest, TheIconListIsTheDesktopsFirstChildsFirstChild) {
    auto& windows = first.windows;
    const Hwnd desktop = windows.findWindow("ProgMan", std::nullopt);
    const Hwnd view = windows.getWindow(desktop, kGwChild);
    const Hwnd list = windows.getWindow(view, kGwChild);
    EXPECT_EQ(windows.getClassName(desktop, kClassBuffer), "Progman");
    EXPECT_EQ(windows.getClassName(view, kClassBuffer), "SHELLDLL_DefView");
    EXPECT_EQ(windows.getClassName(list, kClassBuffer), "SysListView32");
    EXPECT_EQ(list, kIconListWindow);
    EXPECT_EQ(windows.getWindow(list, kGwChild), 0u);
    EXPECT_EQ(windows.getWindow(kTrayWindow, kGwChild), 0u);
    EXPECT_EQ(windows.getWindow(desktop, kGwOwner), 0u);
    EXPECT_EQ(windows.getWindow(0, kGwChild), 0u);
    EXPECT_EQ(windows.getWindow(0xDEAD, kGwChild), 0u);
}

TEST_F(DesktopWindowsTest, ClassNamesAreCutToTheBuffer) {
    struct Case {
        Hwnd window;
        int maxCount;
        const char* expected;
    };
    const Case cases[] = {
        {kIconListWindow, 39, "SysListView32"},
        {kIconListWindow, 14, "SysListView32"},
        {kIconListWindow, 13, "SysListView3"},
        {kIconListWindow, 2, "S"},
        {kIconListWindow, 1, ""},
        {kIconListWindow, 0, ""},
        {kIconListWindow, -5, ""},
        {0xDEAD, 39, ""},
        {0, 39, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.maxCount);
        EXPECT_EQ(first.windows.getClassName(c.window, c.maxCount), c.expected);
    }
    EXPECT_EQ(first.windows.getWindowRect(0xDEAD), std::nullopt);
}

TEST_F(DesktopWindowsTest, IconListVisibilityPersistsAcrossInstances) {
    EXPECT_TRUE(first.windows.showWindow(kIconListWindow, kSwHide)); // was visible
    EXPECT_FALSE(first.windows.showWindow(kIconListWindow, kSwHide));

    Instance second(host, root);
    EXPECT_FALSE(second.iconList.visible());
    EXPECT_FALSE(second.windows.showWindow(kIconListWindow, kSwShow));
    EXPECT_TRUE(first.iconList.visible());
    EXPECT_TRUE(first.windows.showWindow(kIconListWindow, kSwShowNormal));

    // The real desktop and panel are not hidden; an unknown window is not there.
    EXPECT_TRUE(first.windows.showWindow(kProgmanWindow, kSwHide));
    EXPECT_TRUE(first.windows.showWindow(kProgmanWindow, kSwShow));
    EXPECT_FALSE(first.windows.showWindow(0xDEAD, kSwShow));
    EXPECT_TRUE(first.iconList.visible());
}

TEST_F(DesktopWindowsTest, IconListColoursAndRedrawsPersistInItsProfileFile) {
    auto& windows = first.windows;
    EXPECT_EQ(windows.sendMessage(kIconListWindow, kLvmGetTextColor, 0, 0), 0x00FFFFFF);
    EXPECT_EQ(windows.sendMessage(kIconListWindow, kLvmGetTextBkColor, 0, 0), 0xFFFFFFFF);

    EXPECT_EQ(windows.sendMessage(kIconListWindow, kLvmSetTextColor, 0, 0x0000FF00), 1);
    EXPECT_EQ(windows.sendMessage(kIconListWindow, kLvmSetTextBkColor, 0, 0x00800080), 1);
    EXPECT_EQ(windows.sendMessage(kIconListWindow, kLvmSetTextBkColor, 0, kClrNone), 1);
    EXPECT_EQ(windows.sendMessage(kIconListWindow, kLvmRedrawItems, 0, 4), 1);
    EXPECT_EQ(windows.sendMessage(kIconListWindow, kLvmRedrawItems, 0, -1), 1);

    Instance second(host, root);
    EXPECT_EQ(second.windows.sendMessage(kIconListWindow, kLvmGetTextColor, 0, 0), 0x0000FF00);
    EXPECT_EQ(second.windows.sendMessage(kIconListWindow, kLvmGetTextBkColor, 0, 0), 0xFFFFFFFF);
    EXPECT_EQ(second.iconList.redrawCount(), 2u);
    const std::string file = readBytes(root.file("DesktopIcons.ini"));
    EXPECT_NE(file.find("TextColor=0x0000FF00"), std::string::npos) << file;
    EXPECT_NE(file.find("TextBkColor=0xFFFFFFFF"), std::string::npos) << file;
}

TEST_F(DesktopWindowsTest, OtherMessagesAndOtherWindowsAnswerZero) {
    auto& windows = first.windows;
    EXPECT_EQ(windows.sendMessage(kIconListWindow, 0x1000 /* LVM_GETBKCOLOR */, 0, 0), 0);
    EXPECT_EQ(windows.sendMessage(kIconListWindow, 0x0010 /* WM_CLOSE */, 0, 0), 0);
    EXPECT_EQ(windows.sendMessage(kProgmanWindow, kLvmSetTextColor, 0, 0x000000FF), 0);
    EXPECT_EQ(windows.sendMessage(0, kLvmSetTextColor, 0, 0x000000FF), 0);
    EXPECT_EQ(windows.sendMessage(0, kLvmGetItemCount, 0, 0), 0);
    EXPECT_EQ(first.iconList.textColor(), kDefaultIconTextColor);
    EXPECT_FALSE(std::filesystem::exists(root.file("DesktopIcons.ini")));
}

TEST_F(DesktopWindowsTest, ARefusedWriteIsReportedAndChangesNothing) {
    ASSERT_EQ(first.windows.sendMessage(kIconListWindow, kLvmSetTextColor, 0, 0x000000FF), 1);
    ::chmod(root.file("DesktopIcons.ini").c_str(), 0444); // the emulated read-only attribute
    EXPECT_EQ(first.windows.sendMessage(kIconListWindow, kLvmSetTextColor, 0, 0x00FF0000), 0);
    EXPECT_EQ(first.windows.sendMessage(kIconListWindow, kLvmGetTextColor, 0, 0), 0x000000FF);
}

TEST_F(DesktopWindowsTest, ItemCountIsTheNumberOfEntriesOnTheUsersDesktop) {
    struct Case {
        const char* name;
        const char* userDirs; // nullptr: no user-dirs.dirs
        const char* desktop;  // the folder filled, relative to HOME; nullptr: none
        std::vector<const char*> entries;
        int expected;
    };
    const Case cases[] = {
        {"no desktop folder", nullptr, nullptr, {}, 0},
        {"an empty desktop", nullptr, "Desktop", {}, 0},
        {"files and folders, hidden ones left out",
         nullptr,
         "Desktop",
         {"a.txt", "b.desktop", "folder/", ".hidden", ".config/"},
         3},
        {"the desktop that xdg-user-dir names",
         "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n",
         "桌面",
         {"照片.jpg", "notes.txt"},
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir home;
        ScopedEnvironment environment;
        environment.set("HOME", home.path().string());
        environment.set("XDG_CONFIG_HOME", std::nullopt);
        environment.set("XDG_DESKTOP_DIR", std::nullopt);
        if (c.userDirs != nullptr) {
            std::filesystem::create_directories(home.path() / ".config");
            writeBytes(home.path() / ".config" / "user-dirs.dirs", c.userDirs);
        }
        if (c.desktop != nullptr) {
            const auto desktop = home.path() / c.desktop;
            std::filesystem::create_directories(desktop);
            for (const std::string entry : c.entries) {
                if (entry.ends_with('/')) {
                    std::filesystem::create_directory(desktop / entry.substr(0, entry.size() - 1));
                } else {
                    writeBytes(desktop / entry, "");
                }
            }
        }
        EXPECT_EQ(first.windows.sendMessage(kIconListWindow, kLvmGetItemCount, 0, 0), c.expected);
    }
}

} // namespace
} // namespace tovra::platform::emulated
