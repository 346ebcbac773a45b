#include "platform/SettingsFolder.h"

namespace tovra::platform {

// On Windows the settings file stays beside the executable, where the
// program has always kept it.
std::optional<std::filesystem::path> userSettingsFolder(std::string_view /*program*/) {
    return std::nullopt;
}

} // namespace tovra::platform
