#include "platform/emulated/EmulatedScreen.h"

#include "platform/emulated/EmulatedProfileFiles.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/TempDir.h"

#include <array>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tovra::platform::emulated {
namespace {

using test::FakeHostDesktop;
using tovra::test::readBytes;
using tovra::test::TempDir;
using tovra::test::writeBytes;

class EmulatedScreenTest : public testing::Test {
protected:
    EmulatedScreen makeScreen(DesktopIconList* iconList = nullptr) {
        return EmulatedScreen(host, profiles, root, iconList);
    }

    TempDir scratch;
    StateRoot root{scratch.path() / "root"};
    FakeHostDesktop host;
    EmulatedProfileFiles profiles;
};

TEST_F(EmulatedScreenTest, MetricsAndTheLeftButtonComeFromTheRealDesktop) {
    EmulatedScreen screen = makeScreen();
    EXPECT_EQ(screen.getSystemMetrics(kSmCxScreen), 1024);
    EXPECT_EQ(screen.getSystemMetrics(kSmCyScreen), 768);
    EXPECT_EQ(screen.getSystemMetrics(78 /* SM_CXVIRTUALSCREEN */), 0);
    EXPECT_EQ(screen.getSystemMetrics(-1), 0);

    EXPECT_EQ(screen.getAsyncKeyState(kVkLButton), 0);
    host.setLeftButtonDown(true);
    const std::int16_t down = screen.getAsyncKeyState(kVkLButton);
    EXPECT_LT(down, 0); // the high bit, as callers test it
    EXPECT_EQ(static_cast<std::uint16_t>(down), 0x8000u);
    EXPECT_EQ(screen.getAsyncKeyState(2 /* VK_RBUTTON */), 0);
}

TEST_F(EmulatedScreenTest, ColoursNeverSetHaveTheClassicDefaults) {
    EmulatedScreen screen = makeScreen();
    const std::pair<int, std::uint32_t> cases[] = {
        {kColorBackground, 0x00A56E3A}, // 58 110 165
        {0, 0x00C8D0D4},                // scroll bar 212 208 200
        {5, 0x00FFFFFF},                // window
        {8, 0x00000000},                // window text
        {13, 0x006A240A},               // highlight 10 36 106
        {24, 0x00E1FFFF},               // tooltip background 255 255 225
        {26, 0x00800000},               // hot-tracking 0 0 128
        {30, 0x00C8D0D4},               // menu bar
        {31, 0},                        // beyond the table
        {-1, 0},
    };
    for (const auto& [index, expected] : cases) {
        SCOPED_TRACE(index);
        EXPECT_EQ(screen.getSysColor(index), expected);
    }
    EXPECT_FALSE(std::filesystem::exists(root.path())); // reading creates nothing
}

TEST_F(EmulatedScreenTest, SetColoursPersistAcrossInstancesUnderTheirWindowsNames) {
    {
        EmulatedScreen screen = makeScreen();
        const std::array elements{kColorBackground, 99, 8};
        const std::array<std::uint32_t, 3> colors{0xFF112233, 0x00ABCDEF, 0x00000080};
        EXPECT_TRUE(screen.setSysColors(elements, colors));
    }
    EmulatedProfileFiles otherProfiles;
    EmulatedScreen other(host, otherProfiles, root);
    EXPECT_EQ(other.getSysColor(kColorBackground), 0x00112233u); // the top byte is dropped
    EXPECT_EQ(other.getSysColor(8), 0x00000080u);
    EXPECT_EQ(other.getSysColor(5), 0x00FFFFFFu);
    const std::string file = readBytes(root.file("SystemColors.ini"));
    EXPECT_NE(file.find("[Colors]"), std::string::npos) << file;
    EXPECT_NE(file.find("Background=51 34 17"), std::string::npos) << file;
    EXPECT_NE(file.find("WindowText=128 0 0"), std::string::npos) << file;
}

TEST_F(EmulatedScreenTest, MismatchedSpansAndRefusedWritesFail) {
    EmulatedScreen screen = makeScreen();
    const std::array elements{kColorBackground, 5};
    const std::array<std::uint32_t, 1> one{0x00010203};
    EXPECT_FALSE(screen.setSysColors(elements, one));
    EXPECT_FALSE(std::filesystem::exists(root.file("SystemColors.ini")));

    ASSERT_TRUE(screen.setSysColors(std::span(elements).first(1), one));
    ::chmod(root.file("SystemColors.ini").c_str(), 0444);
    const std::array<std::uint32_t, 1> other{0x00090909};
    EXPECT_FALSE(screen.setSysColors(std::span(elements).first(1), other));
    EXPECT_EQ(screen.getSysColor(kColorBackground), 0x00010203u);
}

TEST_F(EmulatedScreenTest, AnUnreadableStoredColourGivesTheDefault) {
    EmulatedScreen screen = makeScreen();
    std::filesystem::create_directories(root.path());
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"0 128 128", 0x00808000}, {"  1   2\t3 ", 0x00030201}, {"blue", 0x00A56E3A},
        {"256 0 0", 0x00A56E3A},   {"1 2", 0x00A56E3A},         {"1 2 3 4", 0x00A56E3A},
        {"-1 2 3", 0x00A56E3A},    {"1,2,3", 0x00A56E3A},       {"", 0x00A56E3A},
    };
    for (const auto& [stored, expected] : cases) {
        SCOPED_TRACE(stored);
        writeBytes(root.file("SystemColors.ini"),
                   std::string("[Colors]\r\nBackground=") + stored + "\r\n");
        EXPECT_EQ(screen.getSysColor(kColorBackground), expected);
    }
}

TEST_F(EmulatedScreenTest, SettingSystemColoursGivesTheIconListItsSystemColoursBack) {
    DesktopIconList iconList(profiles, root);
    EmulatedScreen screen = makeScreen(&iconList);
    ASSERT_TRUE(iconList.setTextColor(0x000000FF));
    ASSERT_TRUE(iconList.setTextBkColor(0x0000FF00));
    ASSERT_TRUE(iconList.setVisible(false));

    const std::uint32_t background = screen.getSysColor(kColorBackground);
    const std::array elements{kColorBackground};
    const std::array colors{background};
    EXPECT_TRUE(screen.setSysColors(elements, colors));

    EXPECT_EQ(iconList.textColor(), kDefaultIconTextColor);
    EXPECT_EQ(iconList.textBkColor(), kDefaultIconTextBkColor);
    EXPECT_FALSE(iconList.visible()); // only the colours go back
    EXPECT_EQ(screen.getSysColor(kColorBackground), background);
}

} // namespace
} // namespace tovra::platform::emulated
