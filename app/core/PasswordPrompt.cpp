#include "app/core/PasswordPrompt.h"

#include "app/core/PasswordHash.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"

namespace tovra::shell {

namespace reg = settings::reg;

std::string storedPassword(platform::Registry& registry) {
    settings::RegistryAccess access(registry);
    access.setRootKey(reg::kPasswordRoot);
    // Read-only, as the start-up test opens it: whoever is asked can check.
    if (!access.openKeyReadOnly(std::string(reg::kPasswordKey))) {
        return {};
    }
    return access.readString(std::string(reg::kPasswordValue));
}

PromptAnswer PasswordPrompt::check(platform::Registry& registry, const std::string& typed) {
    if (passwordMatches(storedPassword(registry), typed)) {
        return PromptAnswer::Open;
    }
    ++wrongCodeCount_;
    return wrongCodeCount_ >= kMaxWrongCodes ? PromptAnswer::Leave : PromptAnswer::TryAgain;
}

} // namespace tovra::shell
