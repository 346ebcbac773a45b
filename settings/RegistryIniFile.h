#pragma once

// A registry key reached as if it were a settings file: its subkeys are the
// sections and integers are stored as decimal text (REG_SZ), the form Windows
// expects for values such as "TileWallpaper" and "wallpaperstyle".

#include "platform/Registry.h"
#include "settings/RegistryAccess.h"

#include <cstdint>
#include <string>

namespace tovra::settings {

class RegistryIniFile {
public:
    /// Opens keyPath (leading backslash: from the root) under root, creating it.
    /// When it cannot be opened every write raises "Failed to set data for '%s'"
    /// and every read gives its default.
    RegistryIniFile(platform::Registry& registry, platform::HKey root, const std::string& keyPath);

    [[nodiscard]] bool isOpen() const { return opened_; }

    [[nodiscard]] std::string readString(const std::string& section, const std::string& name,
                                         const std::string& defaultValue);
    [[nodiscard]] std::int32_t readInteger(const std::string& section, const std::string& name,
                                           std::int32_t defaultValue);
    void writeString(const std::string& section, const std::string& name, const std::string& value);
    void writeInteger(const std::string& section, const std::string& name, std::int32_t value);

private:
    /// A registry access object on the section's subkey; without an open key
    /// when the file's key or the section cannot be opened.
    [[nodiscard]] RegistryAccess openSection(const std::string& section, bool create) const;

    platform::Registry& registry_;
    platform::HKey root_;
    std::string keyPath_;
    bool opened_ = false;
};

} // namespace tovra::settings
