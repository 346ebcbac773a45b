#pragma once

// The start-menu window's settings: a plain record of its controls, loaded
// from and saved to the registry in a fixed order. The window only copies the
// record to and from its controls.

#include "platform/Registry.h"
#include "platform/Shell.h"

#include <array>
#include <optional>
#include <string>

namespace tovra::desktop {

inline constexpr int kMenuShowDelayMin = 0;
inline constexpr int kMenuShowDelayMax = 999;

struct StartMenuSettings {
    /// CheckListBox1: one row per policy of settings::reg::kStartMenuPolicies.
    std::array<bool, 10> hiddenEntries{};
    /// CRBMuiShow: the programs menu shows in columns instead of scrolling.
    bool multiColumnPrograms = false;
    /// CRBClear: empty the recent-documents list after saving.
    bool clearRecentDocuments = false;
    /// EdValue: "MenuShowDelay" in milliseconds, 0 to 999.
    int menuShowDelay = 5;
    /// RadioGroup1: the start-menu entry whose icon changes; -1 for none.
    int iconItem = -1;
    /// EdPath: the new icon, written as it stands.
    std::string iconPath;

    friend bool operator==(const StartMenuSettings&, const StartMenuSettings&) = default;
};

/// "MenuShowDelay" as Windows stores it (decimal text) or as some programs
/// store it (REG_DWORD), clamped to 0..999; nothing for anything else.
[[nodiscard]] std::optional<int> menuShowDelayFrom(const platform::RegValue& value);

/// The settings as the registry holds them: the ten policies,
/// "StartMenuScrollPrograms" and "MenuShowDelay"; the icon choice and CRBClear
/// are never loaded. Each value is read on its own: one that is missing or of
/// another type leaves its control at the initial state and the rest loads.
[[nodiscard]] StartMenuSettings LoadStartMenuSettings(platform::Registry& registry);

/// Writes every setting in order: the ten policies, "StartMenuScrollPrograms",
/// "MenuShowDelay" (REG_SZ decimal text), the chosen start-menu icon; then,
/// only when all of that was written, empties the recent-documents list when
/// asked. The first refused write throws RegistryError: what was written
/// before it stays, nothing after it is done.
void SaveStartMenuSettings(platform::Registry& registry, platform::Shell& shell,
                           const StartMenuSettings& settings);

} // namespace tovra::desktop
