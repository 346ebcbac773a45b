// The rotation settings against the settings file: what the window shows
// after loading a stored state (and the selection mode it sets), and what a
// save writes.

#include "wallpaper/core/RotationSettings.h"

#include "platform/emulated/EmulatedProfileFiles.h"
#include "settings/IniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tovra::wallpaper {
namespace {

const std::string kSetting = "TovraDesktop setting";
const std::string kShow = "TovraDesktop SettingShow";
const std::string kMode = "TovraDesktop PicSelectmode";

struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

class RotationSettingsFile : public testing::Test {
protected:
    void store(const std::vector<Entry>& entries) {
        for (const Entry& e : entries) {
            ini.writeString(e.section, e.key, e.value);
        }
    }
    /// Every entry of the three sections, "section/key" to value.
    std::map<std::string, std::string> stored() const {
        std::map<std::string, std::string> entries;
        for (const std::string& section : {kSetting, kShow, kMode}) {
            for (const std::string& key : ini.readSection(section)) {
                entries[section + "/" + key] = ini.readString(section, key, "?");
            }
        }
        return entries;
    }

    test::TempDir scratch;
    platform::emulated::EmulatedProfileFiles profiles;
    settings::IniFile ini{profiles, scratch.file("TovraDesktop.ini")};
};

// ---- loading -------------------------------------------------------------------

/// Stands for a SelectMode that loading left alone.
constexpr int kUntouched = 9;

struct LoadCase {
    const char* name;
    std::vector<Entry> entries;
    RotationSettings shown;
    int selectMode;
};

RotationSettings shown(int unit, int size, std::string sizeText, int style, int mode) {
    RotationSettings s;
    s.unit = unit;
    if (unit >= 0) {
        s.sizeMinimum = kPeriodUnits[static_cast<std::size_t>(unit)].minimum;
        s.sizeMaximum = kPeriodUnits[static_cast<std::size_t>(unit)].maximum;
        s.unitText = std::string(kPeriodUnits[static_cast<std::size_t>(unit)].caption);
    }
    s.size = size;
    s.sizeText = std::move(sizeText);
    s.style = style;
    s.mode = mode;
    return s;
}

class LoadTable : public RotationSettingsFile, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTable, ShowsTheStoredSettingsAndSetsTheSelectionMode) {
    store(GetParam().entries);
    RotationSettings settings;
    int selectMode = kUntouched;
    LoadRotationSettings(ini, "TovraDesktop", settings, selectMode);
    EXPECT_EQ(settings, GetParam().shown);
    EXPECT_EQ(selectMode, GetParam().selectMode);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, LoadTable,
    testing::Values(
        // The bar goes from 0 to 1 with the hour range; the number follows it.
        LoadCase{"EmptyFile", {}, shown(0, 1, "1", 0, 0), 0},
        LoadCase{"DayLimitsTheNumber",
                 {{kSetting, "setsize", "012"}, {kSetting, "setname", "day"}},
                 shown(1, 7, "7", 0, 0),
                 0},
        LoadCase{"HourInRange", {{kSetting, "setsize", "012"}}, shown(0, 12, "012", 0, 0), 0},
        LoadCase{"WeekAtTenIsLimitedToFour",
                 {{kSetting, "setsize", "10"}, {kSetting, "setname", "week"}},
                 shown(2, 4, "4", 0, 0),
                 0},
        LoadCase{"BeyondTheFirstRangeIsClampedTwice",
                 {{kSetting, "setsize", "500"}},
                 shown(0, 24, "24", 0, 0),
                 0},
        LoadCase{"HexadecimalNumber",
                 {{kSetting, "setsize", "0x3"}, {kSetting, "setname", "day"}},
                 shown(1, 3, "0x3", 0, 0),
                 0},
        LoadCase{"UnitInOtherCaseSelectsNone",
                 {{kSetting, "setsize", "5"}, {kSetting, "setname", "Day"}},
                 shown(-1, 5, "5", 0, 0),
                 0},
        LoadCase{"StyleSevenIsTheLast", {{kShow, "setshow", "7"}}, shown(0, 1, "1", 3, 0), 0},
        LoadCase{"StyleMinusFiveIsNone", {{kShow, "setshow", "-5"}}, shown(0, 1, "1", -1, 0), 0},
        LoadCase{"Random", {{kMode, "setmode", "1"}}, shown(0, 1, "1", 0, 1), 1},
        LoadCase{"ModeBelowMinusOneLeavesSelectMode",
                 {{kMode, "setmode", "-3"}},
                 shown(0, 1, "1", 0, -1),
                 kUntouched}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(RotationSettingsFile, ASizeThatIsNoNumberEndsTheLoadBeforeItChangesAnything) {
    store({{kSetting, "setsize", "abc"}, {kSetting, "setname", "day"}, {kMode, "setmode", "1"}});
    RotationSettings settings;
    int selectMode = kUntouched;
    EXPECT_THROW(LoadRotationSettings(ini, "TovraDesktop", settings, selectMode), Error);
    EXPECT_EQ(settings, RotationSettings{});
    EXPECT_EQ(selectMode, kUntouched);
}

// ---- saving --------------------------------------------------------------------

struct SaveCase {
    const char* name;
    RotationSettings settings;
    std::map<std::string, std::string> written;
};

class SaveTable : public RotationSettingsFile, public testing::WithParamInterface<SaveCase> {};

TEST_P(SaveTable, WritesWhatIsSelected) {
    // A capitalised unit and a mode stored earlier stay unless a save replaces them.
    store({{kSetting, "setname", "Day"}, {kMode, "setmode", "1"}});
    SaveRotationSettings(ini, "TovraDesktop", GetParam().settings);
    EXPECT_EQ(stored(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Records, SaveTable,
                         testing::Values(SaveCase{"AfterLoadingAnEmptyFile",
                                                  shown(0, 1, "1", 0, 0),
                                                  {{kSetting + "/setname", "hour"},
                                                   {kMode + "/setmode", "0"},
                                                   {kSetting + "/setsize", "1"},
                                                   {kShow + "/setshow", "0"}}},
                                         SaveCase{"FourWeeksSmartAtRandom",
                                                  shown(2, 4, "4", 3, 1),
                                                  {{kSetting + "/setname", "week"},
                                                   {kMode + "/setmode", "1"},
                                                   {kSetting + "/setsize", "4"},
                                                   {kShow + "/setshow", "3"}}},
                                         SaveCase{"NothingSelected",
                                                  RotationSettings{},
                                                  {{kSetting + "/setname", "Day"},
                                                   {kMode + "/setmode", "1"},
                                                   {kSetting + "/setsize", "50"},
                                                   {kShow + "/setshow", "-1"}}}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace tovra::wallpaper
