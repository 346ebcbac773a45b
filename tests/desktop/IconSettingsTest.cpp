// The desktop-icon window's load and save against the emulated registry,
// settings file and icon list; the messages the icon list receives.

#include "desktop/core/IconSettings.h"

#include "platform/emulated/DesktopIconList.h"
#include "platform/emulated/EmulatedDesktopWindows.h"
#include "platform/emulated/EmulatedPlatform.h"
#include "settings/IniFile.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/HostStandIns.h"
#include "tests/support/RegistryFixture.h"
#include "tests/support/ScriptedDesktop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

namespace tovra::desktop {
namespace {

namespace reg = settings::reg;
using platform::kHkeyClassesRoot;
using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using platform::RegValue;
using test::binaryValue;
using test::Change;
using test::RegistryFixture;
using test::Seed;
using test::operator+;
using Ini = std::map<std::string, std::string>;

const std::string kSection = "TovraDesktop TubiaoColor";
const std::string kPolicies =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string kIcons =
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons";
const std::string kExplorer = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";

/// The emulated platform on the fixture's folder, its registry watched.
class IconFixture : public RegistryFixture {
protected:
    IconFixture()
        : native(platform::emulated::createEmulatedPlatform(
              {host, boxes, tray}, platform::emulated::StateRoot(dir.path())))
        , base(native->platform())
        , platform{registry,     base.profiles, base.shell, base.files, base.processes,
                   base.windows, base.screen,   boxes,      base.tray} {}

    [[nodiscard]] Ini section() const {
        const settings::IniFile file(base.profiles, settingsFile);
        Ini values;
        for (const auto& key : file.readSection(kSection)) {
            values[key] = file.readString(kSection, key, "");
        }
        return values;
    }
    [[nodiscard]] platform::emulated::DesktopIconList iconList() const {
        return {base.profiles, platform::emulated::StateRoot(dir.path())};
    }

    platform::emulated::test::FakeHostDesktop host;
    tovra::test::ScriptedMessageBoxes boxes{platform::kIdOk};
    tovra::test::RecordingTray tray;
    std::unique_ptr<platform::NativePlatform> native;
    platform::Platform base;
    platform::Platform platform;
    std::string settingsFile = (dir.path() / "TovraDesktop.ini").string();
};

struct SaveCase {
    const char* name;
    std::function<IconSettings(const std::string& iconFile)> settings;
    bool machineRefused;
    std::vector<Change> changes;
    Ini section;
};

std::vector<Change> policies(bool desktopHidden) {
    return {{kPolicies, "NoDesktop", desktopHidden ? "REG_DWORD 1" : "deleted"},
            {kPolicies, "NoNetHood", "deleted"},
            {kPolicies, "NoEntireNetwork", "deleted"}};
}

const Ini kOpaqueSection{
    {"clarity", "0"}, {"tubiaoColorF", "10"}, {"tubiaoColorB", "5"}, {"syscolor", "0"}};

class SaveIcons : public testing::TestWithParam<SaveCase>, public IconFixture {};

TEST_P(SaveIcons, AppliesAndWritesInOrder) {
    const auto& c = GetParam();
    for (const auto& name : reg::kDesktopPolicies) {
        seed({kHkeyCurrentUser, reg::kPoliciesKey, std::string(name), RegValue::dword(1)});
    }
    seed({kHkeyLocalMachine, reg::kDesktopShellIconsKey, "29", RegValue::text("old")});
    registry.changes.clear();
    const auto iconFile = dir.file("我的 \"电脑\".ico");
    tovra::test::writeBytes(iconFile, "icon");
    if (c.machineRefused) {
        registry.refuse(kHkeyLocalMachine);
    }
    const auto settings = c.settings(iconFile);

    if (c.machineRefused) {
        EXPECT_THROW(SaveIconSettings(platform, settingsFile, 0, settings),
                     settings::RegistryError);
    } else {
        SaveIconSettings(platform, settingsFile, 0, settings);
    }
    EXPECT_EQ(registry.changes, c.changes);
    EXPECT_EQ(section(), c.section);
    EXPECT_EQ(iconList().visible(), !settings.hiddenItems[0]);
}

IconSettings shortcuts(bool arrow, bool custom) {
    IconSettings s;
    s.hideShortcutArrow = arrow;
    s.customShortcutOverlay = custom;
    s.shortcutOverlayIcon = "C:\\icons\\mine.ico,3";
    s.noShortcutSuffix = true;
    return s;
}

IconSettings desktopItem(int item, std::string path) {
    IconSettings s;
    s.desktopItem = item;
    s.desktopItemIcon = std::move(path);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Icons, SaveIcons,
    testing::Values(
        SaveCase{"Initial", [](const std::string&) { return IconSettings{}; }, false,
                 policies(false) + std::vector<Change>{{kIcons, "29", "deleted"},
                                                       {kExplorer, "link", "REG_DWORD 1"}},
                 kOpaqueSection},
        SaveCase{"ArrowAndOwnOverlayTheOwnWins",
                 [](const std::string&) { return shortcuts(true, true); }, false,
                 policies(false) +
                     std::vector<Change>{{kIcons, "29", "REG_SZ %WINDIR%\\SYSTEM\\docprop.dll,1"},
                                         {kIcons, "29", "REG_SZ C:\\icons\\mine.ico,3"},
                                         {kExplorer, "link", "REG_DWORD 0"}},
                 kOpaqueSection},
        SaveCase{"OwnOverlayOnlyDeletesThenWrites",
                 [](const std::string&) { return shortcuts(false, true); }, false,
                 policies(false) +
                     std::vector<Change>{{kIcons, "29", "deleted"},
                                         {kIcons, "29", "REG_SZ C:\\icons\\mine.ico,3"},
                                         {kExplorer, "link", "REG_DWORD 0"}},
                 kOpaqueSection},
        SaveCase{"TransparentHiddenRestoredLeavesColorBAlone",
                 [](const std::string&) {
                     IconSettings s;
                     s.hiddenItems[0] = true;
                     s.transparentText = true;
                     s.restoreSystemColors = true;
                     s.foregroundColor = 49;
                     return s;
                 },
                 false,
                 policies(true) + std::vector<Change>{{kIcons, "29", "deleted"},
                                                      {kExplorer, "link", "REG_DWORD 1"}},
                 Ini{{"clarity", "1"}, {"tubiaoColorF", "49"}, {"syscolor", "1"}}},
        SaveCase{"NoFileNoDesktopItem",
                 [](const std::string& icon) { return desktopItem(0, icon + ".missing"); }, false,
                 policies(false) + std::vector<Change>{{kIcons, "29", "deleted"},
                                                       {kExplorer, "link", "REG_DWORD 1"}},
                 kOpaqueSection},
        SaveCase{"MachineRefusedStopsAfterTheSettingsFile",
                 [](const std::string&) { return shortcuts(true, false); }, true, policies(false),
                 kOpaqueSection}),
    [](const auto& param) { return std::string(param.param.name); });

class Icons : public testing::Test, public IconFixture {};

TEST_F(Icons, DesktopItemIconGoesToItsRoot) {
    std::filesystem::create_directories(dir.path() / "desk icons");
    const auto iconFile = dir.file("desk icons/a b.ico");
    tovra::test::writeBytes(iconFile, "icon");
    SaveIconSettings(platform, settingsFile, 0, desktopItem(2, iconFile));
    SaveIconSettings(platform, settingsFile, 0, desktopItem(4, iconFile));
    EXPECT_EQ(stored(kHkeyClassesRoot, reg::kClassesRootDefaultIconKeys[2], ""),
              RegValue::text(iconFile));
    EXPECT_EQ(stored(kHkeyLocalMachine, reg::kNetworkDefaultIconKey, ""), RegValue::text(iconFile));
}

struct LoadCase {
    const char* name;
    std::vector<Seed> seeds;
    Ini section;
    IconSettings expected;
};

IconSettings loaded(std::function<void(IconSettings&)> change) {
    IconSettings s;
    s.foregroundColor = s.backgroundColor = 0; // no stored index: clBlack
    change(s);
    return s;
}

class LoadIcons : public testing::TestWithParam<LoadCase>, public IconFixture {};

TEST_P(LoadIcons, ShowsWhatIsStored) {
    const auto& c = GetParam();
    for (const auto& value : c.seeds) {
        seed(value);
    }
    settings::IniFile file(base.profiles, settingsFile);
    for (const auto& [key, value] : c.section) {
        file.writeString(kSection, key, value);
    }
    // Colours some program gave the captions: a restore takes them away.
    base.windows.sendMessage(platform::emulated::kIconListWindow, platform::kLvmSetTextColor, 0,
                             0x0000FF);

    EXPECT_EQ(LoadIconSettings(platform, settingsFile), c.expected);
    EXPECT_TRUE(registry.changes.empty());
    EXPECT_EQ(iconList().textColor() == 0x0000FF, !c.expected.restoreSystemColors);
}

INSTANTIATE_TEST_SUITE_P(
    Icons, LoadIcons,
    testing::Values(LoadCase{"NothingStored", {}, {}, loaded([](IconSettings&) {})},
                    LoadCase{
                        "ValuesOfAnyType",
                        {{kHkeyCurrentUser, reg::kPoliciesKey, "NoDesktop", RegValue::dword(0)},
                         {kHkeyCurrentUser, reg::kPoliciesKey, "NoEntireNetwork", binaryValue()},
                         {kHkeyLocalMachine, reg::kDesktopShellIconsKey, "29", RegValue::text("")},
                         {kHkeyLocalMachine, reg::kExplorerKey, "link", RegValue::dword(0)}},
                        {},
                        loaded([](IconSettings& s) {
                            s.hiddenItems = {true, false, true};
                            s.hideShortcutArrow = true;
                            s.noShortcutSuffix = true;
                        })},
                    LoadCase{"LinkOneUnchecked",
                             {{kHkeyLocalMachine, reg::kExplorerKey, "link", RegValue::dword(1)}},
                             {},
                             loaded([](IconSettings&) {})},
                    LoadCase{"LinkAsStringLeavesTheRestLoading",
                             {{kHkeyLocalMachine, reg::kExplorerKey, "link", RegValue::text("0")}},
                             {{"clarity", "1"}, {"tubiaoColorF", "12"}, {"tubiaoColorB", "3"}},
                             loaded([](IconSettings& s) {
                                 s.transparentText = true;
                                 s.foregroundColor = 12;
                                 s.backgroundColor = 3;
                             })},
                    LoadCase{"RestoreRepeatsTheSystemColourCall",
                             {},
                             {{"syscolor", "1"}, {"clarity", "2"}},
                             loaded([](IconSettings& s) { s.restoreSystemColors = true; })},
                    LoadCase{"IndicesOutsideTheListShowBlack",
                             {},
                             {{"tubiaoColorF", "-1"}, {"tubiaoColorB", "50"}},
                             loaded([](IconSettings&) {})},
                    LoadCase{"LastIndex", {}, {{"tubiaoColorF", "49"}}, loaded([](IconSettings& s) {
                                 s.foregroundColor = 49;
                             })}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(Icons, RefusedMachineKeysLoadTheRest) {
    registry.refuse(kHkeyLocalMachine);
    seed({kHkeyCurrentUser, reg::kPoliciesKey, "NoNetHood", RegValue::dword(1)});
    settings::IniFile(base.profiles, settingsFile).writeInteger(kSection, "tubiaoColorF", 7);
    EXPECT_EQ(LoadIconSettings(platform, settingsFile), loaded([](IconSettings& s) {
                  s.hiddenItems[1] = true;
                  s.foregroundColor = 7;
              }));
}

using ::testing::InSequence;
using ::testing::Return;
using ::testing::StrictMock;

constexpr platform::Hwnd kProgman = 0x10;
constexpr platform::Hwnd kView = 0x12;
constexpr platform::Hwnd kList = 0x14;

struct MessagesCase {
    const char* name;
    bool transparent;
    int foreground;
    int background;
    std::intptr_t textColor;
    std::intptr_t textBkColor;
};

class CaptionMessages : public testing::TestWithParam<MessagesCase>, public IconFixture {};

TEST_P(CaptionMessages, SentToTheIconListWithTheirParameters) {
    const auto& c = GetParam();
    StrictMock<tovra::test::ScriptedDesktopWindows> windows;
    platform::Platform scripted{registry, base.profiles, base.shell, base.files, base.processes,
                                windows,  base.screen,   boxes,      base.tray};
    IconSettings settings;
    settings.transparentText = c.transparent;
    settings.foregroundColor = c.foreground;
    settings.backgroundColor = c.background;
    InSequence order;
    EXPECT_CALL(windows, findWindow("ProgMan", std::optional<std::string>()))
        .WillOnce(Return(kProgman));
    EXPECT_CALL(windows, getWindow(kProgman, platform::kGwChild)).WillOnce(Return(kView));
    EXPECT_CALL(windows, getWindow(kView, platform::kGwChild)).WillOnce(Return(kList));
    EXPECT_CALL(windows, getClassName(kList, 39)).WillOnce(Return("SysListView32"));
    EXPECT_CALL(windows, showWindow(kList, platform::kSwShow)).WillOnce(Return(true));
    EXPECT_CALL(windows, sendMessage(kList, 0x1024, 0u, c.textColor)).WillOnce(Return(1));
    EXPECT_CALL(windows, sendMessage(kList, 0x1026, 0u, c.textBkColor)).WillOnce(Return(1));
    EXPECT_CALL(windows, sendMessage(kList, 0x1004, 0u, 0)).WillOnce(Return(7));
    EXPECT_CALL(windows, sendMessage(kList, 0x1015, 0u, 6)).WillOnce(Return(1));

    SaveIconSettings(scripted, settingsFile, 0, settings);
}

INSTANTIATE_TEST_SUITE_P(
    Icons, CaptionMessages,
    testing::Values(MessagesCase{"Opaque", false, 10, 5, 0x00FF00, 0x800080},
                    MessagesCase{"Transparent", true, 10, 5, 0x00FF00, 0xFFFFFFFF},
                    MessagesCase{"SystemColours", false, 20, 49, 0xFF00000A, 0xFF000008}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(Icons, NoIconListSaysSoAndSavesAllTheSame) {
    testing::NiceMock<tovra::test::ScriptedDesktopWindows> windows;
    tovra::test::ScriptedMessageBoxes notices(platform::kIdOk);
    platform::Platform scripted{registry, base.profiles, base.shell, base.files, base.processes,
                                windows,  base.screen,   notices,    base.tray};
    EXPECT_CALL(windows, getClassName(0, 39)).WillOnce(Return(""));
    SaveIconSettings(scripted, settingsFile, 0x99, IconSettings{});
    ASSERT_EQ(notices.calls.size(), 1u);
    EXPECT_EQ(notices.calls[0].owner, 0x99u);
    EXPECT_EQ(notices.calls[0].text, "系统不支持!");
    EXPECT_EQ(notices.calls[0].caption, "TovraDesktop");
    EXPECT_EQ(notices.calls[0].type, platform::kMbOk);
    EXPECT_EQ(section(), kOpaqueSection);
}

} // namespace
} // namespace tovra::desktop
