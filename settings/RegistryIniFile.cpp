#include "settings/RegistryIniFile.h"

#include "settings/IniFile.h"

namespace tovra::settings {

RegistryIniFile::RegistryIniFile(platform::Registry& registry, platform::HKey root,
                                 const std::string& keyPath)
    : registry_(registry)
    , root_(root)
    , keyPath_(keyPath.starts_with('\\') ? keyPath : "\\" + keyPath) {
    RegistryAccess file(registry_);
    file.setRootKey(root_);
    opened_ = file.openKey(keyPath_, true);
}

RegistryAccess RegistryIniFile::openSection(const std::string& section, bool create) const {
    RegistryAccess access(registry_);
    access.setRootKey(root_);
    if (opened_) {
        access.openKey(keyPath_ + "\\" + section, create);
    }
    return access;
}

std::string RegistryIniFile::readString(const std::string& section, const std::string& name,
                                        const std::string& defaultValue) {
    const RegistryAccess key = openSection(section, false);
    return key.valueExists(name) ? key.readString(name) : defaultValue;
}

std::int32_t RegistryIniFile::readInteger(const std::string& section, const std::string& name,
                                          std::int32_t defaultValue) {
    const RegistryAccess key = openSection(section, false);
    if (!key.valueExists(name)) {
        return defaultValue;
    }
    try {
        return key.readInteger(name);
    } catch (const RegistryError&) { // stored as text, the usual form here
        return parseIniInteger(key.readString(name)).value_or(defaultValue);
    }
}

void RegistryIniFile::writeString(const std::string& section, const std::string& name,
                                  const std::string& value) {
    RegistryAccess key = openSection(section, true);
    key.writeString(name, value);
}

void RegistryIniFile::writeInteger(const std::string& section, const std::string& name,
                                   std::int32_t value) {
    writeString(section, name, std::to_string(value));
}

} // namespace tovra::settings
