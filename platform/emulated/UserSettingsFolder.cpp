#include "platform/SettingsFolder.h"
#include "platform/emulated/UserFolders.h"

namespace tovra::platform {

// $XDG_CONFIG_HOME/<program>, as the base-directory rules place a program's
// configuration.
std::optional<std::filesystem::path> userSettingsFolder(std::string_view program) {
    const auto config = emulated::configFolder();
    return config ? std::optional(*config / program) : std::nullopt;
}

} // namespace tovra::platform
