#pragma once

// The desktop-icon window's settings: a plain record of its controls, loaded
// from and saved to the registry, the settings file (section " TubiaoColor")
// and the desktop's icon list in a fixed order. The window only copies the
// record to and from its controls.

#include "platform/Platform.h"
#include "toolkit/core/ColorTable.h"

#include <array>
#include <string>

namespace tovra::desktop {

/// The foreground and background pickers' entries when the window opens.
inline constexpr int kInitialForegroundIndex = 10; // clLime
inline constexpr int kInitialBackgroundIndex = 5;  // clPurple

struct IconSettings {
    /// CheckListBox1: "NoDesktop", "NoNetHood", "NoEntireNetwork".
    std::array<bool, 3> hiddenItems{};
    /// ColorComboBox1 and ColorComboBox2: indices into toolkit::kPickerColors.
    int foregroundColor = kInitialForegroundIndex;
    int backgroundColor = kInitialBackgroundIndex;
    /// CheckRadioBox1: captions on a transparent background.
    bool transparentText = false;
    /// CheckRadioBox2: give the captions back the system's colours.
    bool restoreSystemColors = false;
    /// RadioGroup1 and EDIcon: the desktop item whose icon changes (-1 for
    /// none) and the icon file.
    int desktopItem = -1;
    std::string desktopItemIcon;
    /// CheckRadioBox3: hide the shortcut arrow.
    bool hideShortcutArrow = false;
    /// CheckRadioBox4 and EDIco: a shortcut overlay of the user's own.
    bool customShortcutOverlay = false;
    std::string shortcutOverlayIcon;
    /// CheckRadioBox5: no "快捷方式" word in new shortcuts' names.
    bool noShortcutSuffix = false;

    friend bool operator==(const IconSettings&, const IconSettings&) = default;
};

/// The settings as the registry and the settings file hold them. When
/// "syscolor" is stored as 1 the desktop background colour is set to itself
/// again, which gives the icon captions back the system's colours; nothing
/// else reaches the desktop. The desktop item, EDIcon, CheckRadioBox4 and
/// EDIco are never loaded. A value that is missing or of another type leaves
/// its control at the initial state and the rest loads.
[[nodiscard]] IconSettings LoadIconSettings(platform::Platform& platform,
                                            const std::string& settingsFile);

/// Applies and writes every setting in order: finds the icon list (owner
/// owns its "系统不支持!" notice), hides or shows it, the three policies, the
/// caption colours and " TubiaoColor", the system colour, the shortcut
/// overlay "29", "link", and the desktop item's icon when an item is chosen
/// and EDIcon names an existing file. The first refused write throws
/// (RegistryError, IniFileError): what was done before it stays.
void SaveIconSettings(platform::Platform& platform, const std::string& settingsFile,
                      platform::Hwnd owner, const IconSettings& settings);

} // namespace tovra::desktop
