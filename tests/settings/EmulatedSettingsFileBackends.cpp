#include "platform/emulated/EmulatedProfileFiles.h"
#include "tests/settings/SettingsFileBackends.h"

namespace tovra::settings::test {

std::vector<SettingsFileBackend> settingsFileBackends() {
    return {{"Emulated",
             [] { return std::make_unique<platform::emulated::EmulatedProfileFiles>(); },
             [](const std::string& utf8) { return utf8; }, true}};
}

} // namespace tovra::settings::test
