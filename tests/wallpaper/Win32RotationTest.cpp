// One rotation tick against the Windows backend: a settings file with a BMP
// entry and an overdue period changes the real wallpaper values. What the
// desktop held before is put back.

#include "picture/Bmp.h"
#include "picture/PictureFile.h"
#include "platform/win32/Win32ProfileFiles.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemFiles.h"
#include "tests/support/DesktopSnapshot.h"
#include "tests/support/PatternPicture.h"
#include "tests/support/TempDir.h"
#include "wallpaper/core/PicNameList.h"
#include "wallpaper/core/WallpaperRotation.h"

#include <gtest/gtest.h>

namespace tovra::wallpaper {
namespace {

TEST(Win32Rotation, AnOverdueTickSetsTheWallpaperAndItsStyle) {
    const test::DesktopSnapshot snapshot;
    const test::TempDir scratch;
    const std::string picture = scratch.file("wall.bmp");
    test::writeBytes(
        picture, picture::encodeBmp(test::patternPicture({40, 30}, picture::PixelFormat::Bgr24)));

    platform::win32::Win32Registry registry;
    platform::win32::Win32Shell shell;
    platform::win32::Win32Screen screen;
    platform::win32::Win32SystemFiles files;
    platform::win32::Win32ProfileFiles profiles;
    settings::IniFile ini(profiles, scratch.file("TovraDesktop.ini"));
    ini.writeString("TovraDesktop setting", "setsize", "1");
    ini.writeString("TovraDesktop setting", "setname", "hour");
    ini.writeString("TovraDesktop SettingShow", "setshow", "2");
    PicNameList(ini).add(picture);

    WallpaperSetterSource setters({registry, shell, screen, files});
    setters.useTempDir(files.tempPath());
    WallpaperRotation rotation(setters);
    std::int32_t elapsed = 3599;
    int picIndex = 0;
    rotation.tmr1Timer(ini, {elapsed, 0, picIndex}, [&ini] { return PicNameList(ini).load(); });

    EXPECT_EQ(elapsed, 0);
    const auto wallpaper = test::readDesktopValue(L"Wallpaper");
    const auto tile = test::readDesktopValue(L"TileWallpaper");
    const auto style = test::readDesktopValue(L"WallpaperStyle");
    ASSERT_TRUE(wallpaper && tile && style);
    EXPECT_EQ(test::textOf(*wallpaper), picture::pathFromUtf8(picture).wstring());
    EXPECT_EQ(test::textOf(*tile), L"0");
    EXPECT_EQ(test::textOf(*style), L"2");
}

} // namespace
} // namespace tovra::wallpaper
