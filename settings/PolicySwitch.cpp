#include "settings/PolicySwitch.h"

namespace tovra::settings {

bool readPolicy(const RegistryAccess& key, const std::string& name, PolicyStyle style) {
    if (style == PolicyStyle::PresentOrDeleted) {
        return key.valueExists(name);
    }
    const auto value = key.readValue(name);
    return value && value->asDword() == 1u;
}

void writePolicy(RegistryAccess& key, const std::string& name, bool checked, PolicyStyle style) {
    if (checked || style == PolicyStyle::OneOrZero) {
        key.writeInteger(name, checked ? 1 : 0);
    } else {
        key.deleteValue(name);
    }
}

} // namespace tovra::settings
