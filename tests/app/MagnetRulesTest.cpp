#include "app/core/MagnetRules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace tovra::magnet {
namespace {

using platform::Hwnd;
using platform::Point;
using platform::Rect;
using ::testing::_;
using ::testing::AnyNumber;
using ::testing::Eq;
using ::testing::NiceMock;
using ::testing::Return;

class MockDesktopWindows : public platform::DesktopWindows {
public:
    MOCK_METHOD(Hwnd, findWindow, (const std::string&, const std::optional<std::string>&),
                (override));
    MOCK_METHOD(Hwnd, getWindow, (Hwnd, unsigned), (override));
    MOCK_METHOD(std::string, getClassName, (Hwnd, int), (override));
    MOCK_METHOD(std::optional<Rect>, getWindowRect, (Hwnd), (override));
    MOCK_METHOD(bool, showWindow, (Hwnd, int), (override));
    MOCK_METHOD(std::intptr_t, sendMessage, (Hwnd, unsigned, std::uintptr_t, std::intptr_t),
                (override));
};

class MockScreen : public platform::Screen {
public:
    MOCK_METHOD(int, getSystemMetrics, (int), (override));
    MOCK_METHOD(std::int16_t, getAsyncKeyState, (int), (override));
    MOCK_METHOD(std::uint32_t, getSysColor, (int), (override));
    MOCK_METHOD(bool, setSysColors, (std::span<const int>, std::span<const std::uint32_t>),
                (override));
};

constexpr std::int16_t kKeyDown = std::numeric_limits<std::int16_t>::min(); // 0x8000
constexpr Hwnd kTray = 0x1010;
constexpr Hwnd kExplorer = 0x2020;
constexpr Hwnd kCustom = 0x3030;
constexpr Rect kBottomTaskbar{0, 738, 1024, 768};
const std::optional<std::string> kNoTitle;

// A 1024 x 768 screen, the left button down, no window to be found; the owner
// is the main window's 312 x 237 at (300, 200).
class MagnetFixture : public ::testing::Test {
protected:
    MagnetFixture() {
        ON_CALL(screen, getSystemMetrics(platform::kSmCxScreen)).WillByDefault(Return(1024));
        ON_CALL(screen, getSystemMetrics(platform::kSmCyScreen)).WillByDefault(Return(768));
        ON_CALL(screen, getAsyncKeyState(platform::kVkLButton)).WillByDefault(Return(kKeyDown));
        ON_CALL(windows, findWindow(_, _)).WillByDefault(Return(Hwnd{0}));
    }

    void placeWindow(const char* className, Hwnd handle, const Rect& rect) {
        ON_CALL(windows, findWindow(std::string(className), Eq(kNoTitle)))
            .WillByDefault(Return(handle));
        ON_CALL(windows, getWindowRect(handle)).WillByDefault(Return(rect));
    }

    /// Presses at (100, 50) and moves so that the unsnapped top-left would be
    /// `proposed`; the magnet's answer.
    std::optional<Point> dragTo(Point proposed, Size owner = {312, 237}) {
        const Rect bounds{300, 200, 300 + owner.width, 200 + owner.height};
        core.press({100, 50});
        return core.move({100 + proposed.x - 300, 50 + proposed.y - 200}, bounds);
    }

    NiceMock<MockDesktopWindows> windows;
    NiceMock<MockScreen> screen;
    MagnetCore core{windows, screen};
};

struct SnapCase {
    const char* name;
    Point proposed;
    Point expected;
    std::optional<Rect> taskbar = std::nullopt;
    std::int32_t effect = 10;
    Size owner = {312, 237};
};

class Snap : public MagnetFixture, public ::testing::WithParamInterface<SnapCase> {};

TEST_P(Snap, DragLandsWhereTheRulesPutIt) {
    const SnapCase& c = GetParam();
    if (c.taskbar) {
        placeWindow("Shell_TrayWnd", kTray, *c.taskbar);
    } else {
        EXPECT_CALL(windows, getWindowRect(_)).Times(0);
    }
    core.MagEffect = c.effect;
    EXPECT_EQ(dragTo(c.proposed, c.owner), c.expected);
}

constexpr Rect kTopRightBox{800, 0, 1024, 40};
constexpr Rect kLeftTaskbar{0, 0, 60, 768};
constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
constexpr auto kMax = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Table, Snap,
    ::testing::Values(
        // The screen edges; the right edge is at 1024 - 312 = 712, the bottom at 768 - 237 = 531.
        SnapCase{"Inside", {330, 195}, {330, 195}}, SnapCase{"Left9", {9, 300}, {0, 300}},
        SnapCase{"Left10", {10, 300}, {10, 300}}, SnapCase{"LeftMinus50", {-50, 300}, {0, 300}},
        SnapCase{"Right9", {703, 300}, {712, 300}}, SnapCase{"Right10", {702, 300}, {702, 300}},
        SnapCase{"RightOff", {5000, 300}, {712, 300}}, SnapCase{"Top9", {300, 9}, {300, 0}},
        SnapCase{"Top10", {300, 10}, {300, 10}}, SnapCase{"TopMinus50", {300, -50}, {300, 0}},
        SnapCase{"Bottom9", {300, 522}, {300, 531}}, SnapCase{"Bottom10", {300, 521}, {300, 521}},
        SnapCase{"Corner", {5, 525}, {0, 531}},
        SnapCase{"EffectZeroClampsOnly", {-1, 532}, {0, 531}, std::nullopt, 0},
        SnapCase{"EffectZeroEdge", {0, 531}, {0, 531}, std::nullopt, 0},
        SnapCase{
            "WiderThanScreenEndsFlushRight", {5, 300}, {-76, 300}, std::nullopt, 10, {1100, 237}},
        SnapCase{"HugeEffectSnapsToFarEdges", {300, 300}, {712, 531}, std::nullopt, kMax},
        SnapCase{"MostNegativeEffectSnapsNothing", {-50, 5000}, {-50, 5000}, std::nullopt, kMin},
        // A taskbar at the bottom, its top edge at 738: the window's bottom is T + 237.
        SnapCase{"AboveTaskbar9", {300, 492}, {300, 501}, kBottomTaskbar},
        SnapCase{"AboveTaskbar10", {300, 491}, {300, 491}, kBottomTaskbar},
        SnapCase{"OverTaskbar9", {300, 510}, {300, 501}, kBottomTaskbar},
        SnapCase{"OverTaskbar10", {300, 511}, {300, 511}, kBottomTaskbar},
        SnapCase{"TaskbarAndScreenEdge", {5, 492}, {0, 501}, kBottomTaskbar},
        SnapCase{"TaskbarAtLeftOutside", {65, 300}, {60, 300}, kLeftTaskbar},
        SnapCase{"TaskbarAtLeftInside", {55, 300}, {60, 300}, kLeftTaskbar},
        SnapCase{"TaskbarAtLeft10", {70, 300}, {70, 300}, kLeftTaskbar},
        // The axes are independent: the window snaps to a box that it does not
        // overlap across the other axis.
        SnapCase{"TopToBoxBottomApart", {300, 45}, {300, 40}, kTopRightBox},
        SnapCase{"RightToBoxLeftApart", {490, 300}, {488, 300}, kTopRightBox}),
    [](const ::testing::TestParamInfo<SnapCase>& row) { return std::string(row.param.name); });

TEST_F(MagnetFixture, AMoveFollowsThePointerFromThePressPoint) {
    core.press({100, 50});
    EXPECT_EQ(core.move({130, 45}, {300, 200, 612, 437}), (Point{330, 195}));
    // The owner has moved; the next move is measured from the same press point.
    EXPECT_EQ(core.move({90, 60}, {330, 195, 642, 432}), (Point{320, 205}));
}

TEST_F(MagnetFixture, AnExplorerWindowAttractsWhenChosen) {
    placeWindow("CabinetWClass", kExplorer, {100, 200, 600, 495});
    EXPECT_EQ(dragTo({605, 490}), (Point{605, 490})) << "MagExplorer is off by default";
    core.MagOption.MagExplorer = true;
    EXPECT_EQ(dragTo({605, 490}), (Point{600, 495}));
}

TEST_F(MagnetFixture, TargetsSnapInTheOrderCustomExplorerTaskbar) {
    // Each target moves the top edge again: 490 -> 495 (custom's bottom),
    // -> 503 (on the Explorer window's top), -> 501 (on the taskbar's top).
    core.MagOption = {.MagTray = true, .MagExplorer = true, .MagCustom = true};
    core.CustomHandle = kCustom;
    ON_CALL(windows, getWindowRect(kCustom)).WillByDefault(Return(Rect{100, 200, 600, 495}));
    placeWindow("CabinetWClass", kExplorer, {100, 740, 600, 900});
    placeWindow("Shell_TrayWnd", kTray, kBottomTaskbar);
    EXPECT_EQ(dragTo({300, 490}), (Point{300, 501}));
}

TEST_F(MagnetFixture, TheCustomTargetWithoutAHandleIsNeverUsed) {
    core.MagOption.MagCustom = true;
    EXPECT_CALL(windows, getWindowRect(_)).Times(0);
    EXPECT_EQ(dragTo({300, 45}), (Point{300, 45}));
}

TEST_F(MagnetFixture, AWindowWhoseRectangleCannotBeReadIsSkipped) {
    ON_CALL(windows, findWindow(std::string("Shell_TrayWnd"), Eq(kNoTitle)))
        .WillByDefault(Return(kTray));
    ON_CALL(windows, getWindowRect(kTray)).WillByDefault(Return(std::nullopt));
    EXPECT_EQ(dragTo({300, 10}), (Point{300, 10}));
}

TEST_F(MagnetFixture, InactiveRecordsNoPressDragsNothingAndSnapsNothing) {
    placeWindow("Shell_TrayWnd", kTray, kBottomTaskbar);
    core.press({100, 50});
    core.Active = false;
    EXPECT_CALL(windows, findWindow(_, _)).Times(0);
    core.press({10, 10});
    EXPECT_EQ(core.move({120, 60}, {300, 200, 612, 437}), std::nullopt);
    EXPECT_EQ(core.snapPosition({-50, 492}, {312, 237}), (Point{-50, 492}));
    // Back on, the drag goes on from the press recorded while active.
    core.Active = true;
    EXPECT_EQ(core.move({120, 60}, {300, 200, 612, 437}), (Point{320, 210}));
}

TEST_F(MagnetFixture, OnlyTheHighBitOfTheKeyStateMeansTheButtonIsDown) {
    struct KeyCase {
        std::int16_t state;
        bool drags;
    };
    const KeyCase cases[] = {{0, false},
                             {1, false}, // pressed since the last call, but up now
                             {0x7FFF, false},
                             {kKeyDown, true},
                             {static_cast<std::int16_t>(kKeyDown | 1), true}};
    core.press({100, 50});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        ON_CALL(screen, getAsyncKeyState(platform::kVkLButton)).WillByDefault(Return(c.state));
        EXPECT_EQ(core.move({120, 60}, {300, 200, 612, 437}).has_value(), c.drags);
    }
}

TEST_F(MagnetFixture, WindowsAreSearchedOncePerPressNotPerMove) {
    EXPECT_CALL(windows, findWindow(std::string("Shell_TrayWnd"), Eq(kNoTitle)))
        .Times(2)
        .WillRepeatedly(Return(kTray));
    EXPECT_CALL(windows, getWindowRect(kTray)).Times(2).WillRepeatedly(Return(kBottomTaskbar));
    EXPECT_CALL(windows, findWindow(std::string("CabinetWClass"), _)).Times(0);
    for (int press = 0; press < 2; ++press) {
        core.press({100, 50});
        for (int step = 0; step < 50; ++step) {
            ASSERT_TRUE(core.move({100 + step, 50 + step}, {300, 200, 612, 437}));
        }
    }
}

TEST_F(MagnetFixture, ATargetMovingDuringADragIsNotFollowed) {
    Rect taskbar = kBottomTaskbar;
    ON_CALL(windows, findWindow(std::string("Shell_TrayWnd"), Eq(kNoTitle)))
        .WillByDefault(Return(kTray));
    ON_CALL(windows, getWindowRect(kTray)).WillByDefault([&taskbar] { return taskbar; });
    core.press({100, 50});
    taskbar = {0, 0, 1024, 30}; // moved to the top after the press
    EXPECT_EQ(core.move({100, 342}, {300, 200, 612, 437}), (Point{300, 501}));
    EXPECT_EQ(core.move({100, -115}, {300, 200, 612, 437}), (Point{300, 35}));
    core.press({100, 50});
    EXPECT_EQ(core.move({100, -115}, {300, 200, 612, 437}), (Point{300, 30}));
}

TEST_F(MagnetFixture, ATargetSwitchedOffKeepsTheHandleOfItsLastSearch) {
    core.MagOption.MagExplorer = true;
    EXPECT_CALL(windows, findWindow(_, _)).Times(AnyNumber());
    EXPECT_CALL(windows, findWindow(std::string("CabinetWClass"), Eq(kNoTitle)))
        .WillOnce(Return(kExplorer));
    ON_CALL(windows, getWindowRect(kExplorer)).WillByDefault(Return(Rect{100, 200, 600, 495}));
    core.press({0, 0});
    core.MagOption.MagExplorer = false;
    core.press({0, 0});
    EXPECT_EQ(core.snapPosition({300, 490}, {312, 237}), (Point{300, 490}));
    core.MagOption.MagExplorer = true;
    EXPECT_EQ(core.snapPosition({300, 490}, {312, 237}), (Point{300, 495}));
}

struct HitCase {
    Point client;
    std::optional<int> expected;
};

class HitTestGrid : public MagnetFixture, public ::testing::WithParamInterface<HitCase> {};

TEST_P(HitTestGrid, BordersAreFivePixelsCornersFirst) {
    const HitCase& c = GetParam();
    const Size owner{312, 237};
    EXPECT_EQ(core.hitTest(c.client, owner, true), c.expected);
    EXPECT_EQ(core.hitTest(c.client, owner, false), std::nullopt) << "minimised or maximised";
    core.CanResize = false;
    EXPECT_EQ(core.hitTest(c.client, owner, true), std::nullopt);
    core.CanResize = true;
    core.Active = false; // does not affect hit-testing
    EXPECT_EQ(core.hitTest(c.client, owner, true), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HitTestGrid,
    ::testing::Values(HitCase{{0, 0}, kHtTopLeft}, HitCase{{4, 4}, kHtTopLeft},
                      HitCase{{5, 4}, kHtTop}, HitCase{{4, 5}, kHtLeft}, HitCase{{5, 5}, {}},
                      HitCase{{307, 0}, kHtTop}, HitCase{{308, 0}, kHtTopRight},
                      HitCase{{311, 4}, kHtTopRight}, HitCase{{311, 5}, kHtRight},
                      HitCase{{307, 100}, {}}, HitCase{{308, 233}, kHtBottomRight},
                      HitCase{{311, 236}, kHtBottomRight}, HitCase{{4, 233}, kHtBottomLeft},
                      HitCase{{0, 236}, kHtBottomLeft}, HitCase{{0, 100}, kHtLeft},
                      HitCase{{156, 0}, kHtTop}, HitCase{{156, 233}, kHtBottom},
                      HitCase{{156, 232}, {}}, HitCase{{156, 118}, {}}));

struct ResizeCase {
    const char* name;
    int hitCode;
    Point delta;
    Rect expected;
};

class Resize : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(Resize, MovesOnlyTheDraggedEdgesWithinTheLimits) {
    const Rect start{100, 100, 412, 337};
    EXPECT_EQ(resizedBounds(start, GetParam().hitCode, GetParam().delta, {10, 10}, {1000, 800}),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Resize,
    ::testing::Values(ResizeCase{"Right", kHtRight, {20, 7}, {100, 100, 432, 337}},
                      ResizeCase{"Left", kHtLeft, {20, 7}, {120, 100, 412, 337}},
                      ResizeCase{"Top", kHtTop, {7, -30}, {100, 70, 412, 337}},
                      ResizeCase{"Bottom", kHtBottom, {7, 30}, {100, 100, 412, 367}},
                      ResizeCase{"TopLeft", kHtTopLeft, {-10, -10}, {90, 90, 412, 337}},
                      ResizeCase{"TopRight", kHtTopRight, {10, 10}, {100, 110, 422, 337}},
                      ResizeCase{"BottomLeft", kHtBottomLeft, {5, 30}, {105, 100, 412, 367}},
                      ResizeCase{"BottomRight", kHtBottomRight, {-5, -5}, {100, 100, 407, 332}},
                      ResizeCase{"LeftStopsAtMinimum", kHtLeft, {400, 0}, {402, 100, 412, 337}},
                      ResizeCase{"RightStopsAtMinimum", kHtRight, {-400, 0}, {100, 100, 110, 337}},
                      ResizeCase{"RightStopsAtMaximum", kHtRight, {2000, 0}, {100, 100, 1100, 337}},
                      ResizeCase{"TopStopsAtMaximum", kHtTop, {0, -2000}, {100, -463, 412, 337}},
                      ResizeCase{"NotABorder", 1, {50, 50}, {100, 100, 412, 337}}),
    [](const ::testing::TestParamInfo<ResizeCase>& row) { return std::string(row.param.name); });

} // namespace
} // namespace tovra::magnet
