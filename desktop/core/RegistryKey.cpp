#include "desktop/core/RegistryKey.h"

#include <string>

namespace tovra::desktop {

bool openKeyOrNone(settings::RegistryAccess& access, platform::HKey root, std::string_view path) {
    access.setRootKey(root);
    if (access.openKey(std::string(path))) {
        return true;
    }
    access.closeKey();
    return false;
}

} // namespace tovra::desktop
