// The start-menu window's load and save against the registry: values of every
// type, missing values, the order of writes, a refused write.

#include "desktop/core/StartMenuSettings.h"

#include "platform/emulated/EmulatedShell.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/RegistryFixture.h"

#include <gtest/gtest.h>

namespace tovra::desktop {
namespace {

namespace reg = settings::reg;
using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using platform::RegValue;
using test::binaryValue;
using test::Change;
using test::RegistryFixture;
using test::Seed;
using test::operator+;

constexpr std::string_view kPolicies = reg::kPoliciesKey;
constexpr std::string_view kAdvanced = reg::kAdvancedKey;
constexpr std::string_view kDesktop = reg::kDesktopKey;

Seed scroll(RegValue value) {
    return {kHkeyLocalMachine, kAdvanced, "StartMenuScrollPrograms", std::move(value)};
}
Seed delay(RegValue value) {
    return {kHkeyCurrentUser, kDesktop, "MenuShowDelay", std::move(value)};
}

struct LoadCase {
    const char* name;
    std::vector<Seed> seeds;
    std::vector<std::size_t> checkedRows;
    bool multiColumn;
    int delay;
};

class LoadStartMenu : public testing::TestWithParam<LoadCase>, public RegistryFixture {};

TEST_P(LoadStartMenu, ShowsTheRegistryAsItStands) {
    for (const auto& value : GetParam().seeds) {
        seed(value);
    }
    StartMenuSettings expected;
    for (const auto row : GetParam().checkedRows) {
        expected.hiddenEntries[row] = true;
    }
    expected.multiColumnPrograms = GetParam().multiColumn;
    expected.menuShowDelay = GetParam().delay;

    EXPECT_EQ(LoadStartMenuSettings(registry), expected);
    EXPECT_TRUE(registry.changes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    StartMenu, LoadStartMenu,
    testing::Values(
        LoadCase{"EmptyRegistry", {}, {}, false, 5},
        LoadCase{"PolicyOfAnyTypeChecksItsRow",
                 {{kHkeyCurrentUser, kPolicies, "NoFavoritesMenu", RegValue::dword(0)},
                  {kHkeyCurrentUser, kPolicies, "nofind", RegValue::text("yes")},
                  {kHkeyCurrentUser, kPolicies, "NoWindowsUpdate", binaryValue()},
                  {kHkeyCurrentUser, kDesktop, "NoRun", RegValue::dword(1)}},
                 {0, 2, 9},
                 false,
                 5},
        LoadCase{"ScrollZeroChecks", {scroll(RegValue::dword(0))}, {}, true, 5},
        LoadCase{"ScrollOneUnchecks", {scroll(RegValue::dword(1))}, {}, false, 5},
        LoadCase{"ScrollOtherNumberUnchecks", {scroll(RegValue::dword(7))}, {}, false, 5},
        LoadCase{"ScrollAsStringUnchecksAndTheDelayStillLoads",
                 {scroll(RegValue::text("0")), delay(RegValue::text("250"))},
                 {},
                 false,
                 250},
        LoadCase{"ScrollMissingTheDelayStillLoads", {delay(RegValue::text("400"))}, {}, false, 400},
        LoadCase{"DelayAsDword", {delay(RegValue::dword(300))}, {}, false, 300},
        LoadCase{"DelayDwordAboveRangeClamps", {delay(RegValue::dword(1500))}, {}, false, 999},
        LoadCase{"DelayTextAboveRangeClamps", {delay(RegValue::text("1500"))}, {}, false, 999},
        LoadCase{"DelayHugeTextClamps", {delay(RegValue::text("00099999999999"))}, {}, false, 999},
        LoadCase{"DelayNegativeClamps", {delay(RegValue::text(" -20 "))}, {}, false, 0},
        LoadCase{"DelayNegativeDwordClamps", {delay(RegValue::dword(0xFFFFFFFF))}, {}, false, 0},
        LoadCase{"DelayNotANumberKeepsFive", {delay(RegValue::text("abc"))}, {}, false, 5},
        LoadCase{"DelayEmptyKeepsFive", {delay(RegValue::text(""))}, {}, false, 5},
        LoadCase{"DelayBinaryKeepsFive", {delay(binaryValue())}, {}, false, 5}),
    [](const auto& param) { return std::string(param.param.name); });

struct SaveCase {
    const char* name;
    StartMenuSettings settings;
    /// Refuse every key under HKEY_LOCAL_MACHINE.
    bool machineRefused;
    std::vector<Change> changes;
    bool recentCleared;
};

std::vector<Change> policyChanges(std::initializer_list<std::size_t> checked) {
    std::vector<Change> changes;
    for (std::size_t row = 0; row < reg::kStartMenuPolicies.size(); ++row) {
        const bool on = std::find(checked.begin(), checked.end(), row) != checked.end();
        changes.push_back({"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                           std::string(reg::kStartMenuPolicies[row]),
                           on ? "REG_DWORD 1" : "deleted"});
    }
    return changes;
}

const std::string kAdvancedPath =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Advanced";
const std::string kDesktopPath = "HKCU\\Control Panel\\Desktop";
const std::string kIconsPath =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";

StartMenuSettings chosen() {
    StartMenuSettings settings;
    settings.hiddenEntries[1] = settings.hiddenEntries[8] = true;
    settings.multiColumnPrograms = true;
    settings.menuShowDelay = 1500;
    settings.iconItem = 4;
    settings.iconPath = "C:\\My Icons\\\"find\" %WINDIR%.ico";
    settings.clearRecentDocuments = true;
    return settings;
}

class SaveStartMenu : public testing::TestWithParam<SaveCase>, public RegistryFixture {};

TEST_P(SaveStartMenu, WritesInOrderAndStopsAtTheFirstRefusal) {
    const auto& c = GetParam();
    // Every policy exists beforehand, so that each deletion shows.
    for (const auto name : reg::kStartMenuPolicies) {
        seed({kHkeyCurrentUser, kPolicies, std::string(name), RegValue::text("old")});
    }
    registry.changes.clear();
    if (c.machineRefused) {
        registry.refuse(kHkeyLocalMachine);
    }
    platform::emulated::test::RecordingLauncher launcher;
    const platform::emulated::StateRoot root(dir.path() / "state");
    platform::emulated::EmulatedShell shell(registry, root, launcher);
    shell.addToRecentDocs(platform::kShardPath, "/docs/report.txt");

    if (c.machineRefused) {
        EXPECT_THROW(SaveStartMenuSettings(registry, shell, c.settings), settings::RegistryError);
    } else {
        SaveStartMenuSettings(registry, shell, c.settings);
    }
    EXPECT_EQ(registry.changes, c.changes);
    EXPECT_EQ(tovra::test::readBytes(root.file("RecentDocuments.txt")).empty(), c.recentCleared);
}

INSTANTIATE_TEST_SUITE_P(
    StartMenu, SaveStartMenu,
    testing::Values(
        SaveCase{"NothingChosen",
                 {},
                 false,
                 policyChanges({}) +
                     std::vector<Change>{{kAdvancedPath, "StartMenuScrollPrograms", "REG_DWORD 1"},
                                         {kDesktopPath, "MenuShowDelay", "REG_SZ 5"}},
                 false},
        SaveCase{"EverythingChosen", chosen(), false,
                 policyChanges({1, 8}) +
                     std::vector<Change>{
                         {kAdvancedPath, "StartMenuScrollPrograms", "REG_DWORD 0"},
                         {kDesktopPath, "MenuShowDelay", "REG_SZ 999"},
                         {kIconsPath, "22", "REG_SZ C:\\My Icons\\\"find\" %WINDIR%.ico"}},
                 true},
        SaveCase{"IconItemWithAnEmptyPath",
                 [] {
                     StartMenuSettings s;
                     s.iconItem = 0;
                     return s;
                 }(),
                 false,
                 policyChanges({}) +
                     std::vector<Change>{{kAdvancedPath, "StartMenuScrollPrograms", "REG_DWORD 1"},
                                         {kDesktopPath, "MenuShowDelay", "REG_SZ 5"},
                                         {kIconsPath, "44", "REG_SZ "}},
                 false},
        SaveCase{"MachineKeysRefused", chosen(), true, policyChanges({1, 8}), false}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace tovra::desktop
