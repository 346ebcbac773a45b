#pragma once

// What a test reads back of the wallpaper: the values under
// HKEY_CURRENT_USER\Control Panel\Desktop.

#include "platform/Registry.h"
#include "settings/RegistryAccess.h"

#include <optional>
#include <string>

namespace tovra::test {

/// A value under HKEY_CURRENT_USER\Control Panel\Desktop; nothing when missing.
[[nodiscard]] inline std::optional<std::string> desktopValue(platform::Registry& registry,
                                                             const std::string& name) {
    settings::RegistryAccess access(registry);
    if (!access.openKey("\\Control Panel\\Desktop", false) || !access.valueExists(name)) {
        return std::nullopt;
    }
    return access.readString(name);
}

} // namespace tovra::test
