#include "desktop/core/IconSettings.h"

#include "desktop/core/DesktopListView.h"
#include "desktop/core/RegistryKey.h"
#include "settings/IniFile.h"
#include "settings/PolicySwitch.h"
#include "settings/SettingsIndex.h"

#include <filesystem>
#include <system_error>

namespace tovra::desktop {

namespace reg = settings::reg;
namespace key = settings::key;
using settings::PolicyStyle;
using settings::RegistryAccess;

namespace {

/// Written literally: the shell expands it when it reads the value.
constexpr std::string_view kNoArrowOverlay = "%WINDIR%\\SYSTEM\\docprop.dll,1";

std::string tubiaoSection() {
    return settings::sectionName(settings::kSectionPrefix, settings::section::kTubiaoColor);
}

bool fileExists(const std::string& utf8Path) {
    if (utf8Path.empty()) {
        return false;
    }
    std::error_code error;
    const std::u8string path(utf8Path.begin(), utf8Path.end());
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

/// Setting the desktop background colour to itself makes every window, the
/// icon list included, take up the system colours again.
void restoreSystemColors(platform::Screen& screen) {
    const int element = platform::kColorBackground;
    const std::uint32_t color = screen.getSysColor(element);
    screen.setSysColors({&element, 1}, {&color, 1});
}

void loadRegistry(platform::Registry& registry, IconSettings& settings) {
    RegistryAccess access(registry);
    if (openKeyOrNone(access, reg::kPoliciesRoot, reg::kPoliciesKey)) {
        for (std::size_t row = 0; row < settings.hiddenItems.size(); ++row) {
            settings.hiddenItems[row] = settings::readPolicy(
                access, std::string(reg::kDesktopPolicies[row]), PolicyStyle::PresentOrDeleted);
        }
    }
    openKeyOrNone(access, platform::kHkeyLocalMachine, reg::kDesktopShellIconsKey);
    settings.hideShortcutArrow = access.valueExists(std::string(reg::kShortcutOverlayIcon));
    openKeyOrNone(access, platform::kHkeyLocalMachine, reg::kExplorerKey);
    const auto link = access.readValue(std::string(reg::kShortcutNaming));
    settings.noShortcutSuffix = link && link->asDword() == 0u;
}

void saveCaptionColors(platform::Platform& platform, settings::IniFile& file,
                       platform::Hwnd listView, const IconSettings& settings) {
    const auto section = tubiaoSection();
    colorDesktopCaptions(platform.windows, listView, toolkit::pickerColor(settings.foregroundColor),
                         toolkit::pickerColor(settings.backgroundColor), settings.transparentText);
    file.writeInteger(section, std::string(key::kClarity), settings.transparentText ? 1 : 0);
    file.writeInteger(section, std::string(key::kTubiaoColorF), settings.foregroundColor);
    if (!settings.transparentText) {
        file.writeInteger(section, std::string(key::kTubiaoColorB), settings.backgroundColor);
    }
    if (settings.restoreSystemColors) {
        restoreSystemColors(platform.screen);
    }
    file.writeInteger(section, std::string(key::kSysColor), settings.restoreSystemColors ? 1 : 0);
}

void saveShortcuts(RegistryAccess& access, const IconSettings& settings) {
    const std::string overlay(reg::kShortcutOverlayIcon);
    openKeyOrNone(access, platform::kHkeyLocalMachine, reg::kDesktopShellIconsKey);
    if (settings.hideShortcutArrow) {
        access.writeString(overlay, std::string(kNoArrowOverlay));
    } else {
        access.deleteValue(overlay);
    }
    if (settings.customShortcutOverlay) {
        access.writeString(overlay, settings.shortcutOverlayIcon);
    }
    openKeyOrNone(access, platform::kHkeyLocalMachine, reg::kExplorerKey);
    access.writeInteger(std::string(reg::kShortcutNaming), settings.noShortcutSuffix ? 0 : 1);
}

void saveDesktopItemIcon(RegistryAccess& access, const IconSettings& settings) {
    const int item = settings.desktopItem;
    const int classesRootItems = static_cast<int>(reg::kClassesRootDefaultIconKeys.size());
    if (item < 0 || item > classesRootItems || !fileExists(settings.desktopItemIcon)) {
        return;
    }
    if (item == classesRootItems) {
        openKeyOrNone(access, platform::kHkeyLocalMachine, reg::kNetworkDefaultIconKey);
    } else {
        openKeyOrNone(access, platform::kHkeyClassesRoot,
                      reg::kClassesRootDefaultIconKeys[static_cast<std::size_t>(item)]);
    }
    access.writeString("", settings.desktopItemIcon);
}

} // namespace

IconSettings LoadIconSettings(platform::Platform& platform, const std::string& settingsFile) {
    IconSettings settings;
    loadRegistry(platform.registry, settings);

    const settings::IniFile file(platform.profiles, settingsFile);
    const auto section = tubiaoSection();
    settings.transparentText = file.readInteger(section, std::string(key::kClarity), 0) == 1;
    if (file.readInteger(section, std::string(key::kSysColor), 0) == 1) {
        restoreSystemColors(platform.screen);
        settings.restoreSystemColors = true;
    }
    settings.foregroundColor =
        toolkit::pickerIndexOrBlack(file.readInteger(section, std::string(key::kTubiaoColorF), 0));
    settings.backgroundColor =
        toolkit::pickerIndexOrBlack(file.readInteger(section, std::string(key::kTubiaoColorB), 0));
    return settings;
}

void SaveIconSettings(platform::Platform& platform, const std::string& settingsFile,
                      platform::Hwnd owner, const IconSettings& settings) {
    const platform::Hwnd listView =
        FindDesktopListView(platform.windows, platform.messageBoxes, owner);
    RegistryAccess access(platform.registry);
    openKeyOrNone(access, reg::kPoliciesRoot, reg::kPoliciesKey);
    platform.windows.showWindow(listView,
                                settings.hiddenItems[0] ? platform::kSwHide : platform::kSwShow);
    for (std::size_t row = 0; row < settings.hiddenItems.size(); ++row) {
        settings::writePolicy(access, std::string(reg::kDesktopPolicies[row]),
                              settings.hiddenItems[row], PolicyStyle::PresentOrDeleted);
    }
    settings::IniFile file(platform.profiles, settingsFile);
    saveCaptionColors(platform, file, listView, settings);
    saveShortcuts(access, settings);
    saveDesktopItemIcon(access, settings);
}

} // namespace tovra::desktop
