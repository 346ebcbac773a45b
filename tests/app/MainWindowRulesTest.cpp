// The main window's rules that need no window: hint texts, the transparency
// steps, the docking arithmetic and the tray icon's record and messages.

#include "app/core/DockLayout.h"
#include "app/core/FeatureHints.h"
#include "app/core/TransparencyDrag.h"
#include "app/core/TrayIconRules.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tovra::mainwindow {
namespace {

// ---- hints -------------------------------------------------------------------

struct HintCase {
    std::size_t n;
    std::optional<std::string_view> text;
};

class FeatureHintTable : public ::testing::TestWithParam<HintCase> {};

TEST_P(FeatureHintTable, NumberGivesItsText) {
    EXPECT_EQ(featureHint(GetParam().n), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(AllNumbers, FeatureHintTable,
                         ::testing::Values(HintCase{0, std::nullopt}, HintCase{1, "桌面墙纸"},
                                           HintCase{2, "开始菜单"}, HintCase{3, "桌面图标"},
                                           HintCase{4, "屏幕保护"}, HintCase{5, "桌面绘画"},
                                           HintCase{6, "保护设置"}, HintCase{7, "壁纸管理"},
                                           HintCase{8, "图片预览"}, HintCase{9, "显示列表"},
                                           HintCase{10, std::nullopt}),
                         [](const auto& test) { return "Button" + std::to_string(test.param.n); });

struct Control {
    int id;
};

TEST(FeatureHintFor, ThePositionAmongTheButtonsChoosesTheText) {
    std::array<Control, 9> controls{};
    std::array<Control*, 9> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = &controls[i];
    }
    // Reversed order: the text follows the position, not the object.
    std::array<Control*, 9> reversed = buttons;
    std::reverse(reversed.begin(), reversed.end());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(featureHintFor(std::span<Control* const>(buttons), buttons[i]),
                  featureHint(i + 1));
        EXPECT_EQ(featureHintFor(std::span<Control* const>(reversed), buttons[i]),
                  featureHint(9 - i));
    }
}

TEST(FeatureHintFor, AControlOutsideTheButtonsGivesNothing) {
    std::array<Control, 2> controls{};
    std::array<Control*, 1> buttons{&controls[0]};
    EXPECT_EQ(featureHintFor(std::span<Control* const>(buttons), &controls[1]), std::nullopt);
    // More buttons than texts: the tenth has no text.
    std::vector<Control> many(10);
    std::vector<Control*> tooMany;
    for (Control& control : many) {
        tooMany.push_back(&control);
    }
    EXPECT_EQ(featureHintFor(std::span<Control* const>(tooMany), tooMany[9]), std::nullopt);
}

// ---- transparency ----------------------------------------------------------------

struct DragCase {
    const char* name;
    int startValue;
    std::vector<int> moves;  // pointer X of each move
    std::vector<int> values; // track bar value after each move
};

class TransparencySteps : public ::testing::TestWithParam<DragCase> {};

TEST_P(TransparencySteps, EachMoveStepsByFiveWithinTheRange) {
    const DragCase& c = GetParam();
    TransparencyDrag drag;
    int value = c.startValue;
    ASSERT_EQ(c.moves.size(), c.values.size());
    for (std::size_t i = 0; i < c.moves.size(); ++i) {
        SCOPED_TRACE(i);
        value = drag.move(c.moves[i], value);
        EXPECT_EQ(value, c.values[i]);
        EXPECT_EQ(drag.lastX(), c.moves[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Drags, TransparencySteps,
    ::testing::Values(DragCase{"RightRaisesLeftLowers", 100, {5, 10, 7, 3}, {105, 110, 105, 100}},
                      DragCase{"NoHorizontalProgressLowers", 100, {4, 4, 4}, {105, 100, 95}},
                      DragCase{"FirstMoveComparesWithZero", 200, {0, -3}, {195, 190}},
                      DragCase{"ClampedAtTheTop", 250, {1, 2, 3}, {255, 255, 255}},
                      DragCase{"ClampedAtTheBottom", 7, {-1, -2, -3}, {2, 0, 0}},
                      DragCase{"FullyOpaqueDownToInvisible", 255, std::vector<int>(52, 0),
                               [] {
                                   std::vector<int> values;
                                   for (int v = 250; v >= 0; v -= 5) {
                                       values.push_back(v);
                                   }
                                   values.push_back(0);
                                   return values;
                               }()}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TransparencyDrag, LastXOutlivesTheDrag) {
    TransparencyDrag drag;
    EXPECT_EQ(drag.move(40, 100), 105);
    // A new drag starting left of where the last one ended lowers at once.
    EXPECT_EQ(drag.move(30, 105), 100);
    EXPECT_EQ(drag.move(31, 100), 105);
}

// ---- docking --------------------------------------------------------------------

struct DockCase {
    platform::Rect main;
    platform::Point list;
    platform::Point preview;
};

class DockTable : public ::testing::TestWithParam<DockCase> {};

TEST_P(DockTable, ListUnderThePreviewAtTheLowerRightCorner) {
    const auto dock = dockPositions(GetParam().main);
    EXPECT_EQ(dock.list, GetParam().list);
    EXPECT_EQ(dock.preview, GetParam().preview);
}

INSTANTIATE_TEST_SUITE_P(Positions, DockTable,
                         ::testing::Values(DockCase{{0, 0, 312, 237}, {0, 237}, {312, 237}},
                                           DockCase{{356, 265, 668, 502}, {356, 502}, {668, 502}},
                                           DockCase{
                                               {-100, -50, 212, 187}, {-100, 187}, {212, 187}}),
                         [](const auto& test) { return "Layout" + std::to_string(test.index); });

// ---- tray icon -------------------------------------------------------------------

struct CutCase {
    const char* name;
    std::string text;
    std::size_t limit;
    std::string expected;
};

class CutUtf8Table : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutUtf8Table, CutsOnACharacterBoundary) {
    const CutCase& c = GetParam();
    const std::string cut = cutUtf8(c.text, c.limit);
    EXPECT_EQ(cut, c.expected);
    EXPECT_LE(cut.size(), c.limit);
}

const std::string kChinese21 = [] {
    std::string text;
    for (int i = 0; i < 21; ++i) {
        text += "年";
    }
    return text;
}();

INSTANTIATE_TEST_SUITE_P(
    Texts, CutUtf8Table,
    ::testing::Values(CutCase{"ShortStays", "2024/5/7", 63, "2024/5/7"},
                      CutCase{"ExactlyTheLimitStays", std::string(63, 'a'), 63,
                              std::string(63, 'a')},
                      CutCase{"OneOverIsCut", std::string(64, 'a'), 63, std::string(63, 'a')},
                      CutCase{"ThreeByteCharactersFitExactly", kChinese21 + "年", 63, kChinese21},
                      CutCase{"ThreeByteCharacterAcrossTheLimitLeavesWhole", "a" + kChinese21 + "b",
                              63, "a" + kChinese21.substr(0, 60)},
                      CutCase{"TwoByteCharacterAcrossTheLimit", std::string(62, 'a') + "é", 63,
                              std::string(62, 'a')},
                      CutCase{"FourByteCharacterAcrossTheLimit",
                              std::string(61, 'a') + "\xF0\x9F\x98\x80", 63, std::string(61, 'a')},
                      CutCase{"ZeroLimit", "年", 0, ""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TrayIconData, FilledForTheNotificationArea) {
    int calls = 0;
    std::uint32_t seenMessage = 0;
    std::intptr_t seenParam = 0;
    const auto data = trayIconData(0x1234, 77, std::string(70, '1'),
                                   [&](std::uint32_t message, std::intptr_t lParam) {
                                       ++calls;
                                       seenMessage = message;
                                       seenParam = lParam;
                                   });
    EXPECT_EQ(data.cbSize, 88u);
    EXPECT_EQ(data.hWnd, 0x1234u);
    EXPECT_EQ(data.uID, 0u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 1025u);
    EXPECT_EQ(data.hIcon, 77u);
    EXPECT_EQ(data.szTip, std::string(63, '1'));
    ASSERT_TRUE(data.callback);
    data.callback(1025, 515);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seenMessage, 1025u);
    EXPECT_EQ(seenParam, 515);
}

struct MessageCase {
    std::uint32_t message;
    std::intptr_t lParam;
    TrayAction action;
};

class TrayMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(TrayMessages, OnlyDoubleClickAndRightReleaseAct) {
    EXPECT_EQ(trayActionFor(GetParam().message, GetParam().lParam), GetParam().action);
}

INSTANTIATE_TEST_SUITE_P(Messages, TrayMessages,
                         ::testing::Values(MessageCase{1025, 515, TrayAction::ShowAndActivate},
                                           MessageCase{1025, 517, TrayAction::PopupMenu},
                                           MessageCase{1025, 514, TrayAction::Nothing},
                                           MessageCase{1025, 512, TrayAction::Nothing},
                                           MessageCase{1025, 513, TrayAction::Nothing},
                                           MessageCase{1025, 520, TrayAction::Nothing},
                                           MessageCase{1024, 515, TrayAction::NotTrayMessage},
                                           MessageCase{1026, 517, TrayAction::NotTrayMessage}),
                         [](const auto& test) {
                             return "Message" + std::to_string(test.param.message) + "_LParam" +
                                    std::to_string(test.param.lParam);
                         });

struct PresenceCase {
    bool iconShown;
    bool trayAvailable;
    TrayChange change;
};

class TrayPresence : public ::testing::TestWithParam<PresenceCase> {};

TEST_P(TrayPresence, AnIconComesWithTheAreaAndGoesWithIt) {
    EXPECT_EQ(trayChangeFor(GetParam().iconShown, GetParam().trayAvailable), GetParam().change);
}

INSTANTIATE_TEST_SUITE_P(Watch, TrayPresence,
                         ::testing::Values(PresenceCase{false, false, TrayChange::None},
                                           PresenceCase{false, true, TrayChange::AddIcon},
                                           PresenceCase{true, true, TrayChange::None},
                                           PresenceCase{true, false, TrayChange::IconLost}),
                         [](const auto& test) {
                             return std::string(test.param.iconShown ? "Icon" : "NoIcon") +
                                    (test.param.trayAvailable ? "_Tray" : "_NoTray");
                         });

} // namespace
} // namespace tovra::mainwindow
