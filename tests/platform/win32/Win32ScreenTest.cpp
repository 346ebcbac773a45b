// GetSystemMetrics, GetAsyncKeyState, GetSysColor and SetSysColors through the
// Windows backend. The system colour that a case changes is put back.

#include "platform/win32/Win32Screen.h"

#include <array>
#include <gtest/gtest.h>
#include <windows.h>

namespace tovra::platform::win32 {
namespace {

TEST(Win32Screen, ScreenSizeIsTheDesktopWindows) {
    RECT desktop{};
    ASSERT_TRUE(::GetWindowRect(::GetDesktopWindow(), &desktop));
    Win32Screen screen;
    EXPECT_GT(screen.getSystemMetrics(kSmCxScreen), 0);
    EXPECT_EQ(screen.getSystemMetrics(kSmCxScreen), desktop.right - desktop.left);
    EXPECT_EQ(screen.getSystemMetrics(kSmCyScreen), desktop.bottom - desktop.top);
    EXPECT_EQ(screen.getSystemMetrics(-12345), 0) << "an index Windows does not know";
}

/// Puts the desktop background colour back as it was.
class BackgroundColourTest : public ::testing::Test {
protected:
    void TearDown() override {
        const int element = COLOR_BACKGROUND;
        ::SetSysColors(1, &element, &original_);
    }

    const COLORREF original_ = ::GetSysColor(COLOR_BACKGROUND);
    Win32Screen screen_;
};

TEST_F(BackgroundColourTest, SetColourIsReadBack) {
    EXPECT_EQ(screen_.getSysColor(kColorBackground), original_);
    const std::uint32_t other = (original_ ^ 0x00A5C3E1u) & 0x00FFFFFFu;
    const std::array elements{kColorBackground};
    const std::array colors{other};
    ASSERT_TRUE(screen_.setSysColors(elements, colors));
    EXPECT_EQ(screen_.getSysColor(kColorBackground), other);
    EXPECT_EQ(::GetSysColor(COLOR_BACKGROUND), COLORREF{other});
    const std::array back{static_cast<std::uint32_t>(original_)};
    ASSERT_TRUE(screen_.setSysColors(elements, back));
    EXPECT_EQ(screen_.getSysColor(kColorBackground), original_);
}

TEST_F(BackgroundColourTest, SpansOfDifferentLengthsSetNothing) {
    const std::array elements{kColorBackground, kColorBackground};
    const std::array colors{std::uint32_t{0x123456}};
    EXPECT_FALSE(screen_.setSysColors(elements, colors));
    EXPECT_EQ(screen_.getSysColor(kColorBackground), original_);
}

TEST(Win32Screen, LeftButtonStateFollowsTheMouse) {
    Win32Screen screen;
    const auto press = [](DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        return ::SendInput(1, &input, sizeof input) == 1;
    };
    EXPECT_EQ(screen.getAsyncKeyState(kVkLButton) & 0x8000, 0);
    ASSERT_TRUE(press(MOUSEEVENTF_LEFTDOWN));
    EXPECT_NE(screen.getAsyncKeyState(kVkLButton) & 0x8000, 0);
    ASSERT_TRUE(press(MOUSEEVENTF_LEFTUP));
    EXPECT_EQ(screen.getAsyncKeyState(kVkLButton) & 0x8000, 0);
}

} // namespace
} // namespace tovra::platform::win32
