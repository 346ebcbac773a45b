// The rotation over the emulated Windows and a real settings file: the period
// read at each tick, when the count grows and when it is reset, and a whole
// run from a settings file to a changed wallpaper.

#include "app/core/ElapsedSecondsFile.h"
#include "settings/SettingsIndex.h"
#include "tests/wallpaper/WallpaperFixture.h"
#include "wallpaper/core/PicNameList.h"
#include "wallpaper/core/RotationPeriod.h"
#include "wallpaper/core/WallpaperRotation.h"

namespace tovra::wallpaper {
namespace {

class RotationTest : public testing::Test, public test::WallpaperFixture {
protected:
    RotationTest() { setters.useTempDir(platform.files.tempPath()); }

    void settingsFile(const std::string& text) { tovra::test::writeBytes(ini.fileName(), text); }

    /// Runs one tick with the given list; whether it completed.
    bool tick(const std::vector<std::string>& list) { return tickOf(rotation, list); }
    bool tickOf(WallpaperRotation& ticked, const std::vector<std::string>& list) {
        try {
            ticked.tmr1Timer(ini, {ElapsedSeconds, SelectMode, PicIndex}, [&list] { return list; });
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

    settings::IniFile ini{platform.profiles, scratch.file("TovraDesktop.ini")};
    WallpaperSetterSource setters{WallpaperServices::from(platform)};
    EntryDraw first = [](std::size_t) { return std::size_t{0}; };
    WallpaperRotation rotation{setters, first};
    std::int32_t ElapsedSeconds = 0;
    int SelectMode = 0;
    int PicIndex = 0;
};

struct PeriodCase {
    const char* name;
    const char* settings;
    std::optional<std::int64_t> period; // nothing: the read fails
};

class RotationPeriodFileTest : public RotationTest,
                               public testing::WithParamInterface<PeriodCase> {};

TEST_P(RotationPeriodFileTest, ReadsThePeriodFromTheSettingSection) {
    settingsFile(GetParam().settings);
    if (GetParam().period) {
        EXPECT_EQ(readRotationPeriod(ini), *GetParam().period);
    } else {
        EXPECT_THROW((void)readRotationPeriod(ini), Error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, RotationPeriodFileTest,
    testing::Values(
        PeriodCase{"EmptyFile", "", 3600},
        PeriodCase{"DayTwo", "[TovraDesktop setting]\nsetsize=2\nsetname=day\n", 172800},
        PeriodCase{"UnitDefaultsToHour", "[TovraDesktop setting]\nsetsize=3\n", 10800},
        PeriodCase{"CapitalisedUnit", "[TovraDesktop setting]\nsetsize=5\nsetname=Hour\n", 3600},
        PeriodCase{"NoCountNoPeriodRead", "[TovraDesktop setting]\nsetname=week\n", 3600},
        PeriodCase{"CountNotANumber", "[TovraDesktop setting]\nsetsize=abc\n", std::nullopt},
        PeriodCase{"WeeksIn64Bits", "[TovraDesktop setting]\nsetsize=4000\nsetname=week\n",
                   2419200000}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(RotationTest, CountsUntilThePeriodThenChangesAndResets) {
    settingsFile("[TovraDesktop setting]\nsetsize=1\nsetname=hour\n");
    const std::vector<std::string> list = {bmp("a.bmp", {20, 10})};
    ElapsedSeconds = 3598;
    EXPECT_TRUE(tick(list));
    EXPECT_EQ(ElapsedSeconds, 3599);
    EXPECT_EQ(desktopValue("Wallpaper"), std::nullopt);
    EXPECT_TRUE(tick(list));
    EXPECT_EQ(ElapsedSeconds, 0);
    EXPECT_EQ(desktopValue("Wallpaper"), list[0]);
}

TEST_F(RotationTest, AFailedChangeKeepsTheCountAndMovesOn) {
    settingsFile("[TovraDesktop setting]\nsetsize=1\n");
    const std::vector<std::string> list = {file("broken.jpg", "not a picture"),
                                           bmp("b.bmp", {20, 10})};
    ElapsedSeconds = 3600;
    EXPECT_FALSE(tick(list));
    EXPECT_EQ(ElapsedSeconds, 3601);
    EXPECT_EQ(PicIndex, 1);
    EXPECT_TRUE(tick(list));
    EXPECT_EQ(ElapsedSeconds, 0);
    EXPECT_EQ(desktopValue("Wallpaper"), list[1]);
}

struct TickCase {
    const char* name;
    const char* settings;
    bool listed;  // one BMP picture, or an empty list
    bool tempDir; // whether TempDir was had, and so the setter
    std::int32_t before;
    bool completes;
    std::int32_t after;
};

class RotationTickTest : public RotationTest, public testing::WithParamInterface<TickCase> {};

TEST_P(RotationTickTest, CountsEveryTickAndResetsAfterACompletedChange) {
    const TickCase& row = GetParam();
    settingsFile(row.settings);
    std::vector<std::string> list;
    if (row.listed) {
        list.push_back(bmp("a.bmp", {20, 10}));
    }
    WallpaperSetterSource noSetter{WallpaperServices::from(platform)};
    WallpaperRotation withoutTempDir{noSetter, first};
    ElapsedSeconds = row.before;
    EXPECT_EQ(tickOf(row.tempDir ? rotation : withoutTempDir, list), row.completes);
    EXPECT_EQ(ElapsedSeconds, row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, RotationTickTest,
    testing::Values(TickCase{"AnEmptyListResets", "", false, true, 3599, true, 0},
                    TickCase{"AnUnreadablePeriodCounts", "[TovraDesktop setting]\nsetsize=x1\n",
                             false, true, 0, false, 1},
                    TickCase{"NoTempDirCounts", "", true, false, 10, true, 11},
                    TickCase{"NoTempDirKeepsTheCountWhenDue", "", true, false, 3599, false, 3600},
                    TickCase{"NoTempDirAnEmptyListResets", "", false, false, 3599, true, 0}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(RotationTest, ASettingsFileOverdueChangesTheWallpaperAtTheFirstTick) {
    const std::vector<std::string> pictures = {
        jpeg("one.jpg", {1600, 1200}), bmp("two.bmp", {20, 10}), jpeg("three.JPEG", {640, 480})};
    settingsFile("[TovraDesktop SecondNum]\ntime=100000\n[TovraDesktop setting]\nsetsize=1\n"
                 "setname=hour\n[TovraDesktop SettingShow]\nsetshow=3\n");
    PicNameList(ini).addAll(pictures);
    ElapsedSeconds = mainwindow::loadElapsedSeconds(ini, settings::kSectionPrefix);
    ASSERT_EQ(ElapsedSeconds, 100000);

    EXPECT_TRUE(tick(PicNameList(ini).load()));
    EXPECT_EQ(ElapsedSeconds, 0);
    EXPECT_EQ(PicIndex, 1);
    EXPECT_EQ(desktopValue("Wallpaper"), setter.WallpaperBitmapFile());
    EXPECT_EQ(desktopValue("wallpaperstyle"), "0"); // 1600 wide on a 1024-pixel screen: centre
    EXPECT_EQ(bitmapSize(setter.WallpaperBitmapFile()), (picture::Size{1024, 768}));
}

} // namespace
} // namespace tovra::wallpaper
