#include "desktop/core/StartMenuSettings.h"

#include "desktop/core/RegistryKey.h"
#include "settings/PolicySwitch.h"
#include "settings/SettingsIndex.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace tovra::desktop {

namespace reg = settings::reg;
using settings::PolicyStyle;
using settings::RegistryAccess;

namespace {

int clampDelay(long long delay) {
    return static_cast<int>(std::clamp<long long>(delay, kMenuShowDelayMin, kMenuShowDelayMax));
}

/// Decimal text with an optional sign and surrounding blanks; anything else is no number.
std::optional<int> delayFromText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, last - first + 1);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    // Leading zeros and any length: only whether it passes the range matters.
    const auto digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    long long magnitude = 0;
    if (digits.size() > 9) {
        magnitude = kMenuShowDelayMax + 1;
    } else {
        std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    }
    return clampDelay(negative ? -magnitude : magnitude);
}

void loadPolicies(RegistryAccess& access, StartMenuSettings& settings) {
    if (!openKeyOrNone(access, reg::kPoliciesRoot, reg::kPoliciesKey)) {
        return;
    }
    for (std::size_t row = 0; row < settings.hiddenEntries.size(); ++row) {
        settings.hiddenEntries[row] = settings::readPolicy(
            access, std::string(reg::kStartMenuPolicies[row]), PolicyStyle::PresentOrDeleted);
    }
}

} // namespace

std::optional<int> menuShowDelayFrom(const platform::RegValue& value) {
    if (const auto number = value.asDword()) {
        return clampDelay(static_cast<std::int32_t>(*number));
    }
    if (value.type == platform::kRegSz || value.type == platform::kRegExpandSz) {
        return delayFromText(value.asText());
    }
    return std::nullopt;
}

StartMenuSettings LoadStartMenuSettings(platform::Registry& registry) {
    StartMenuSettings settings;
    RegistryAccess access(registry);
    loadPolicies(access, settings);

    openKeyOrNone(access, platform::kHkeyLocalMachine, reg::kAdvancedKey);
    const auto scroll = access.readValue(std::string(reg::kStartMenuScrollPrograms));
    const auto scrollNumber = scroll ? scroll->asDword() : std::nullopt;
    settings.multiColumnPrograms = scrollNumber == 0u;

    openKeyOrNone(access, platform::kHkeyCurrentUser, reg::kDesktopKey);
    if (const auto delay = access.readValue(std::string(reg::kMenuShowDelay))) {
        settings.menuShowDelay = menuShowDelayFrom(*delay).value_or(settings.menuShowDelay);
    }
    return settings;
}

void SaveStartMenuSettings(platform::Registry& registry, platform::Shell& shell,
                           const StartMenuSettings& settings) {
    {
        RegistryAccess access(registry);
        openKeyOrNone(access, reg::kPoliciesRoot, reg::kPoliciesKey);
        for (std::size_t row = 0; row < settings.hiddenEntries.size(); ++row) {
            settings::writePolicy(access, std::string(reg::kStartMenuPolicies[row]),
                                  settings.hiddenEntries[row], PolicyStyle::PresentOrDeleted);
        }

        openKeyOrNone(access, platform::kHkeyLocalMachine, reg::kAdvancedKey);
        access.writeInteger(std::string(reg::kStartMenuScrollPrograms),
                            settings.multiColumnPrograms ? 0 : 1);

        // Windows keeps the delay as decimal text and reads nothing else.
        openKeyOrNone(access, platform::kHkeyCurrentUser, reg::kDesktopKey);
        access.writeString(std::string(reg::kMenuShowDelay),
                           std::to_string(clampDelay(settings.menuShowDelay)));

        openKeyOrNone(access, platform::kHkeyLocalMachine, reg::kStartMenuShellIconsKey);
        const auto item = settings.iconItem;
        if (item >= 0 && item < static_cast<int>(reg::kStartMenuShellIcons.size())) {
            access.writeString(
                std::string(reg::kStartMenuShellIcons[static_cast<std::size_t>(item)]),
                settings.iconPath);
        }
    }
    if (settings.clearRecentDocuments) {
        shell.addToRecentDocs(platform::kShardPath, std::nullopt);
    }
}

} // namespace tovra::desktop
