// The Windows backend assembled: the host supplies the tray icon only.

#include "platform/win32/Win32Platform.h"

#include "tests/support/HostStandIns.h"

#include <gtest/gtest.h>

namespace tovra::platform::win32 {
namespace {

class UnusedDesktop final : public HostDesktop {
public:
    [[nodiscard]] Rect screenGeometry() const override { return {0, 0, 1, 1}; }
    [[nodiscard]] Rect availableGeometry() const override { return {0, 0, 1, 1}; }
    [[nodiscard]] bool leftButtonDown() const override { return true; }
};

TEST(Win32Platform, TakesTheTrayFromTheHostAndAnswersTheRestItself) {
    UnusedDesktop desktop;
    tovra::test::ScriptedMessageBoxes messageBoxes{kIdCancel};
    tovra::test::RecordingTray tray{true};
    const auto native = createNativePlatform({desktop, messageBoxes, tray});
    const Platform platform = native->platform();
    EXPECT_EQ(&platform.tray, &tray);
    EXPECT_NE(&platform.messageBoxes, &messageBoxes);
    // The screen is Windows', not the host desktop's one-pixel stand-in.
    EXPECT_NE(platform.screen.getSystemMetrics(kSmCxScreen), 1);
    EXPECT_EQ(platform.files.tempPath().back(), '\\');
}

} // namespace
} // namespace tovra::platform::win32
