// The desktop icon list operations through the Windows backend, against a
// Progman > SHELLDLL_DefView > SysListView32 tree that the test makes: find
// the list as the desktop icon settings do, colour its captions, count and
// redraw its items, hide and show it.

#include "platform/win32/Win32DesktopWindows.h"

#include "platform/Shell.h"
#include "platform/win32/Handles.h"
#include "tests/platform/win32/DesktopWindowTree.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace tovra::platform::win32 {
namespace {

class Win32DesktopWindowsTest : public ::testing::Test {
protected:
    test::DesktopWindowTree tree_;
    Win32DesktopWindows windows_;
};

TEST_F(Win32DesktopWindowsTest, IconListIsTheSecondChildOfProgman) {
    // The class name is spelled "ProgMan" where the program looks for it:
    // class names compare without regard to case.
    const Hwnd progman = windows_.findWindow("ProgMan", std::nullopt);
    ASSERT_EQ(progman, fromHwnd(tree_.progman()));
    const Hwnd view = windows_.getWindow(progman, kGwChild);
    EXPECT_EQ(view, fromHwnd(tree_.defView()));
    const Hwnd list = windows_.getWindow(view, kGwChild);
    EXPECT_EQ(list, fromHwnd(tree_.iconList()));
    EXPECT_EQ(windows_.getClassName(list, 39), "SysListView32");
    EXPECT_EQ(windows_.getWindow(list, kGwChild), Hwnd{0}) << "a list view has no child here";
}

TEST_F(Win32DesktopWindowsTest, FindWindowMatchesTheTitleWhenGiven) {
    EXPECT_EQ(windows_.findWindow("Progman", std::string("Program Manager")),
              fromHwnd(tree_.progman()));
    EXPECT_EQ(windows_.findWindow("", std::string("Program Manager")), fromHwnd(tree_.progman()));
    EXPECT_EQ(windows_.findWindow("Progman", std::string("Another title")), Hwnd{0});
    EXPECT_EQ(windows_.findWindow("TovraNoSuchClass", std::nullopt), Hwnd{0});
}

TEST_F(Win32DesktopWindowsTest, ClassNameIsCutToTheBuffer) {
    const Hwnd list = fromHwnd(tree_.iconList());
    const struct {
        int maxCount;
        const char* expected;
    } cases[] = {{39, "SysListView32"},
                 {14, "SysListView32"},
                 {13, "SysListView3"},
                 {4, "Sys"},
                 {1, ""},
                 {0, ""}};
    for (const auto& cut : cases) {
        SCOPED_TRACE(cut.maxCount);
        EXPECT_EQ(windows_.getClassName(list, cut.maxCount), cut.expected);
    }
}

TEST_F(Win32DesktopWindowsTest, CaptionColoursReachTheListView) {
    const Hwnd list = fromHwnd(tree_.iconList());
    EXPECT_NE(windows_.sendMessage(list, kLvmSetTextColor, 0, 0x0000FF), 0);
    EXPECT_EQ(ListView_GetTextColor(tree_.iconList()), COLORREF{0x0000FF});
    EXPECT_NE(windows_.sendMessage(list, kLvmSetTextBkColor, 0, 0x00FF00), 0);
    EXPECT_EQ(ListView_GetTextBkColor(tree_.iconList()), COLORREF{0x00FF00});
    // CLR_NONE, a transparent caption background, passes as the 32-bit value.
    EXPECT_NE(windows_.sendMessage(list, kLvmSetTextBkColor, 0, kClrNone), 0);
    EXPECT_EQ(ListView_GetTextBkColor(tree_.iconList()), CLR_NONE);
}

TEST_F(Win32DesktopWindowsTest, ItemsAreCountedAndRedrawn) {
    const Hwnd list = fromHwnd(tree_.iconList());
    const auto count = windows_.sendMessage(list, kLvmGetItemCount, 0, 0);
    EXPECT_EQ(count, test::DesktopWindowTree::kItemCount);
    EXPECT_NE(windows_.sendMessage(list, kLvmRedrawItems, 0, count - 1), 0);
}

TEST_F(Win32DesktopWindowsTest, ShowWindowAnswersWhetherItWasVisible) {
    const Hwnd list = fromHwnd(tree_.iconList());
    EXPECT_TRUE(windows_.showWindow(list, kSwHide));
    EXPECT_FALSE(::IsWindowVisible(tree_.iconList()));
    EXPECT_FALSE(windows_.showWindow(list, kSwHide));
    EXPECT_FALSE(windows_.showWindow(list, kSwShow));
    EXPECT_TRUE(::IsWindowVisible(tree_.iconList()));
}

TEST_F(Win32DesktopWindowsTest, WindowRectIsInScreenCoordinates) {
    const auto rect = windows_.getWindowRect(fromHwnd(tree_.progman()));
    ASSERT_TRUE(rect.has_value());
    const RECT& bounds = test::DesktopWindowTree::kBounds;
    EXPECT_EQ(*rect, (Rect{bounds.left, bounds.top, bounds.right, bounds.bottom}));
    EXPECT_EQ(windows_.getWindowRect(fromHwnd(tree_.iconList())), rect);
}

TEST_F(Win32DesktopWindowsTest, WindowThatIsGoneGivesNothing) {
    const HWND gone = ::CreateWindowExW(0, L"SHELLDLL_DefView", L"", WS_POPUP, 0, 0, 10, 10,
                                        nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(gone, nullptr);
    ::DestroyWindow(gone);
    EXPECT_EQ(windows_.getClassName(fromHwnd(gone), 39), "");
    EXPECT_EQ(windows_.getWindowRect(fromHwnd(gone)), std::nullopt);
    EXPECT_EQ(windows_.getWindow(fromHwnd(gone), kGwChild), Hwnd{0});
    EXPECT_EQ(windows_.sendMessage(fromHwnd(gone), kLvmGetItemCount, 0, 0), 0);
}

} // namespace
} // namespace tovra::platform::win32
