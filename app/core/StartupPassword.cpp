#include "app/core/StartupPassword.h"

#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"

#include <string>

namespace tovra::mainwindow {

bool startupPasswordStored(platform::Registry& registry) {
    settings::RegistryAccess access(registry); // closes the key whatever happens
    access.setRootKey(settings::reg::kPasswordRoot);
    // Read-only: a user who may not change HKEY_LOCAL_MACHINE (most users)
    // can still read it, and must be asked for the password all the same.
    return access.openKeyReadOnly(std::string(settings::reg::kPasswordKey)) &&
           access.valueExists(std::string(settings::reg::kPasswordTestValue));
}

} // namespace tovra::mainwindow
