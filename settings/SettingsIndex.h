#pragma once

// Every section, key, registry key and registry value of the program, spelled
// once. Nothing else in the program spells them.
//
// Settings sections are the main window's caption (the section prefix,
// "TovraDesktop") followed by a suffix that begins with a space; every other
// section of the settings file is a category of the wallpaper library.

#include "platform/Registry.h"

#include <array>
#include <string>
#include <string_view>

namespace tovra::settings {

/// The main window's caption, which prefixes every section of the program's own settings.
inline constexpr std::string_view kSectionPrefix = "TovraDesktop";

/// SectionPrefix + suffix.
[[nodiscard]] inline std::string sectionName(std::string_view prefix, std::string_view suffix) {
    std::string name(prefix);
    name += suffix;
    return name;
}

namespace section {
inline constexpr std::string_view kSecondNum = " SecondNum";         // ElapsedSeconds
inline constexpr std::string_view kPicNameList = " PicNameList";     // the wallpaper list
inline constexpr std::string_view kSetting = " setting";             // the change interval
inline constexpr std::string_view kSettingShow = " SettingShow";     // the display style
inline constexpr std::string_view kPicSelectMode = " PicSelectmode"; // in order or at random
inline constexpr std::string_view kTubiaoColor = " TubiaoColor";     // desktop icon captions
/// Every suffix above: the sections that the program owns.
inline constexpr std::array<std::string_view, 6> kOwned = {
    kSecondNum, kPicNameList, kSetting, kSettingShow, kPicSelectMode, kTubiaoColor};
} // namespace section

namespace key {
inline constexpr std::string_view kTime = "time"; // " SecondNum": ElapsedSeconds
inline constexpr int kTimeDefault = 3500;
inline constexpr std::string_view kSetSize = "setsize"; // " setting": the interval's number
inline constexpr std::string_view kSetName = "setname"; // " setting": "hour", "day" or "week"
inline constexpr std::string_view kSetShow = "setshow"; // " SettingShow": DisplayStyle
inline constexpr std::string_view kSetMode = "setmode"; // " PicSelectmode": SelectMode
inline constexpr std::string_view kClarity = "clarity"; // " TubiaoColor" ...
inline constexpr std::string_view kTubiaoColorF = "tubiaoColorF";
inline constexpr std::string_view kTubiaoColorB = "tubiaoColorB";
inline constexpr std::string_view kSysColor = "syscolor";
/// Stands in a new library category's section only while it is being created.
inline constexpr std::string_view kNewCategoryPlaceholder = "temp";
} // namespace key

/// Registry keys and values. Paths begin with a backslash: they start at the root.
namespace reg {
using platform::HKey;

// The start-up password (tested at start as "Code": names ignore case).
inline constexpr HKey kPasswordRoot = platform::kHkeyLocalMachine;
inline constexpr std::string_view kPasswordKey = "\\SOFTWARE\\tavro";
inline constexpr std::string_view kPasswordValue = "code";
inline constexpr std::string_view kPasswordTestValue = "Code";

// Autostart.
inline constexpr HKey kRunRoot = platform::kHkeyLocalMachine;
inline constexpr std::string_view kRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kRunValue = "TavroDesktop";

// Explorer policies (HKEY_CURRENT_USER): REG_DWORD 1, or deleted; the two
// protection values are written 1 or 0.
inline constexpr HKey kPoliciesRoot = platform::kHkeyCurrentUser;
inline constexpr std::string_view kPoliciesKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr std::array<std::string_view, 10> kStartMenuPolicies = {
    "NoFavoritesMenu", "NoRecentDocsMenu", "NoFind",          "NoRun",        "NoLogoff",
    "NoClose",         "NoSetFolders",     "NoFolderoptions", "NoSettaskbar", "NoWindowsUpdate"};
inline constexpr std::array<std::string_view, 3> kDesktopPolicies = {"NoDesktop", "NoNetHood",
                                                                     "NoEntireNetwork"};
inline constexpr std::string_view kNoChangeStartMenu = "NoChangeStartMenu";
inline constexpr std::string_view kNoSaveSettings = "NoSaveSettings";

// Start menu.
inline constexpr std::string_view kAdvancedKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Advanced"; // HKLM
inline constexpr std::string_view kStartMenuScrollPrograms = "StartMenuScrollPrograms";
inline constexpr std::string_view kDesktopKey = "\\Control Panel\\Desktop"; // HKCU
inline constexpr std::string_view kMenuShowDelay = "MenuShowDelay";

// The wallpaper style, reached as key "\Control Panel", section "Desktop" (HKCU).
inline constexpr std::string_view kControlPanelKey = "\\Control Panel";
inline constexpr std::string_view kControlPanelDesktopSection = "Desktop";
inline constexpr std::string_view kTileWallpaper = "TileWallpaper";
inline constexpr std::string_view kWallpaperStyle = "wallpaperstyle";
/// Where the system keeps the wallpaper's path (written by SPI_SETDESKWALLPAPER).
inline constexpr std::string_view kWallpaper = "Wallpaper";

// Shell icons (HKLM).
inline constexpr std::string_view kStartMenuShellIconsKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
inline constexpr std::array<std::string_view, 6> kStartMenuShellIcons = {"44", "24", "27",
                                                                         "43", "22", "19"};
inline constexpr std::string_view kDesktopShellIconsKey =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons";
inline constexpr std::string_view kShortcutOverlayIcon = "29";
inline constexpr std::string_view kExplorerKey =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
inline constexpr std::string_view kShortcutNaming = "link";

// Desktop item icons: the default value of each DefaultIcon key.
inline constexpr std::array<std::string_view, 4> kClassesRootDefaultIconKeys = {
    "\\CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon",
    "\\CLSID\\{450D8FBA-AD25-11D0-98A8-0800361B1103}\\DefaultIcon",
    "\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon",
    "\\CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon"};
inline constexpr std::string_view kNetworkDefaultIconKey =
    "\\Software\\CLASSES\\CLSID\\{871C5380-42A0-1069-A2EA-08002B30309D}\\DefaultIcon"; // HKLM
} // namespace reg

} // namespace tovra::settings
