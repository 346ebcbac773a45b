#include "app/core/StartupPassword.h"

#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"

#include <string>

namespace tovra::mainwindow {

bool startupPasswordStored(platform::Registry& registry) {
    settings::RegistryAccess access(registry); // closes the key whatever happens
    access.setRootKey(settings::reg::kPasswordRoot);
    return access.openKey(std::string(settings::reg::kPasswordKey), true) &&
           access.valueExists(std::string(settings::reg::kPasswordTestValue));
}

} // namespace tovra::mainwindow
