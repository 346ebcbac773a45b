#include "app/core/ProtectionSettings.h"

#include "app/core/PasswordHash.h"
#include "settings/PolicySwitch.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"

namespace tovra::shell {

namespace reg = settings::reg;
using settings::PolicyStyle;
using settings::RegistryAccess;

namespace {

/// An access object with key open (created when missing), or none open when
/// it cannot be: a write then fails instead of landing elsewhere.
RegistryAccess openKey(platform::Registry& registry, platform::HKey root, std::string_view key) {
    RegistryAccess access(registry);
    access.setRootKey(root);
    access.openKey(std::string(key), true);
    return access;
}

void writePolicy(platform::Registry& registry, std::string_view name, bool checked) {
    RegistryAccess access = openKey(registry, reg::kPoliciesRoot, reg::kPoliciesKey);
    settings::writePolicy(access, std::string(name), checked, PolicyStyle::OneOrZero);
}

} // namespace

ProtectionSettings LoadProtection(platform::Registry& registry) {
    const RegistryAccess access = openKey(registry, reg::kPoliciesRoot, reg::kPoliciesKey);
    ProtectionSettings settings;
    settings.noChangeStartMenu =
        settings::readPolicy(access, std::string(reg::kNoChangeStartMenu), PolicyStyle::OneOrZero);
    settings.noSaveSettings =
        settings::readPolicy(access, std::string(reg::kNoSaveSettings), PolicyStyle::OneOrZero);
    return settings;
}

ProtectionSaved SaveProtection(platform::Registry& registry, const ProtectionSettings& settings) {
    writePolicy(registry, reg::kNoChangeStartMenu, settings.noChangeStartMenu);
    writePolicy(registry, reg::kNoSaveSettings, settings.noSaveSettings);
    if (settings.recode != settings.code) {
        return ProtectionSaved::PasswordMismatch;
    }
    RegistryAccess access = openKey(registry, reg::kPasswordRoot, reg::kPasswordKey);
    const std::string value(reg::kPasswordValue);
    if (settings.removeCode) {
        // Whatever was typed: nothing of it is stored, not even for a moment.
        access.removeValue(value);
    } else {
        access.writeString(value, hashPassword(settings.code));
    }
    return ProtectionSaved::Saved;
}

} // namespace tovra::shell
