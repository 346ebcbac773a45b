// The wallpaper through the Windows backend: SystemParametersInfoA stores the
// picture's path where the shell reads it, and the display style goes through
// settings::RegistryIniFile as decimal text. What was there before is put back.

#include "platform/win32/Win32Shell.h"

#include "platform/win32/Win32Registry.h"
#include "settings/RegistryIniFile.h"
#include "tests/support/DesktopSnapshot.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace tovra::platform::win32 {
namespace {

using tovra::test::DesktopSnapshot;
using tovra::test::readDesktopValue;
using tovra::test::textOf;

/// A 1 x 1 picture in the Windows bitmap format.
std::string tinyBitmap() {
    std::string bytes = "BM";
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    put(58, 4), put(0, 4), put(54, 4);                                  // file header
    put(40, 4), put(1, 4), put(1, 4), put(1, 2), put(24, 2), put(0, 4); // info header
    put(4, 4), put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
    put(0x00FF00, 4); // one green pixel, padded to four bytes
    return bytes;
}

class Win32WallpaperTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::GetACP(), 936u) << "the picture's name needs code page 936";
    }

    DesktopSnapshot snapshot_;
    test::TempDir dir_;
};

TEST_F(Win32WallpaperTest, SetDeskWallpaperStoresThePathWhereTheShellReadsIt) {
    const std::filesystem::path picture = dir_.path() / u8"壁纸.bmp";
    test::writeBytes(picture, tinyBitmap());
    const std::u8string name = picture.u8string();
    Win32Shell shell;
    EXPECT_TRUE(shell.setDeskWallpaper(std::string(name.begin(), name.end()),
                                       kSpifUpdateIniFile | kSpifSendWinIniChange));
    const auto stored = readDesktopValue(L"Wallpaper");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(textOf(*stored), picture.wstring());
}

TEST_F(Win32WallpaperTest, DisplayStyleIsDecimalTextInStringValues) {
    Win32Registry registry;
    settings::RegistryIniFile controlPanel(registry, kHkeyCurrentUser, "\\Control Panel");
    ASSERT_TRUE(controlPanel.isOpen());
    const struct {
        std::int32_t tile;
        std::int32_t style;
        const wchar_t* tileText;
        const wchar_t* styleText;
    } cases[] = {{0, 2, L"0", L"2"}, {0, 0, L"0", L"0"}, {1, 10, L"1", L"10"}};
    for (const auto& style : cases) {
        SCOPED_TRACE(style.style);
        controlPanel.writeInteger("Desktop", "TileWallpaper", style.tile);
        controlPanel.writeInteger("Desktop", "wallpaperstyle", style.style);
        const auto tile = readDesktopValue(L"TileWallpaper");
        const auto written = readDesktopValue(L"WallpaperStyle");
        ASSERT_TRUE(tile && written);
        EXPECT_EQ(tile->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(written->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(textOf(*tile), style.tileText);
        EXPECT_EQ(textOf(*written), style.styleText);
        EXPECT_EQ(controlPanel.readInteger("Desktop", "wallpaperstyle", -1), style.style);
    }
}

} // namespace
} // namespace tovra::platform::win32
