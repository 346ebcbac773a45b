#pragma once

// The registry access object: one root key and at most one open key, used for
// one routine and released at its end.

#include "platform/Error.h"
#include "platform/Registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tovra::settings {

/// "Failed to get data for '%s'", "Invalid data type for '%s'", "Failed to set
/// data for '%s'", %s being the value name.
class RegistryError : public Error {
public:
    using Error::Error;
    static RegistryError getFailed(const std::string& name);
    static RegistryError invalidType(const std::string& name);
    static RegistryError setFailed(const std::string& name);
};

class RegistryAccess {
public:
    explicit RegistryAccess(platform::Registry& registry);
    ~RegistryAccess();
    RegistryAccess(const RegistryAccess&) = delete;
    RegistryAccess& operator=(const RegistryAccess&) = delete;
    RegistryAccess(RegistryAccess&& other) noexcept;

    /// Selects the root; a different root closes the open key.
    void setRootKey(platform::HKey root);
    [[nodiscard]] platform::HKey rootKey() const { return root_; }

    /// Opens a key: a path with a leading backslash starts at the root, any
    /// other path at the open key (or the root when none is open). With
    /// canCreate, missing keys are created. On failure returns false and
    /// keeps the key that was open.
    bool openKey(const std::string& path, bool canCreate = true);
    /// Opens an existing key for reading only, as a user who may not change
    /// it can; the path and failure as for openKey. Writes through it fail.
    bool openKeyReadOnly(const std::string& path);
    void closeKey();
    [[nodiscard]] bool hasOpenKey() const { return current_ != 0; }

    [[nodiscard]] bool valueExists(const std::string& name) const;
    /// The value with its type; nothing when it is missing or no key is open.
    [[nodiscard]] std::optional<platform::RegValue> readValue(const std::string& name) const;
    /// The text of a string value; the empty text when it is missing.
    [[nodiscard]] std::string readString(const std::string& name) const;
    [[nodiscard]] std::int32_t readInteger(const std::string& name) const;
    [[nodiscard]] bool readBool(const std::string& name) const;

    void writeString(const std::string& name, const std::string& value);
    void writeInteger(const std::string& name, std::int32_t value);
    void writeBool(const std::string& name, bool value);
    /// Writes commandLine as a string value that starts command, a program
    /// and its arguments (Registry::setCommandValue).
    void writeCommand(const std::string& name, const std::string& commandLine,
                      const std::vector<std::string>& command);

    /// Deletes a value; a missing value is no error. True when it was deleted.
    bool deleteValue(const std::string& name);
    /// Deletes a value that must not stay, as a write must land: a missing
    /// value is no error, but without an open key, or when the registry
    /// refuses, throws "Failed to set data for '%s'".
    void removeValue(const std::string& name);
    /// Deletes a key with everything below it (the path as for openKey).
    bool deleteKey(const std::string& path);

private:
    platform::HKey baseFor(const std::string& path, std::string& relative) const;
    /// Makes opened (or a failure) the open key.
    bool take(platform::Status status, platform::HKey opened);
    bool deleteTree(platform::HKey parent, const std::string& subKey);
    void setValue(const std::string& name, const platform::RegValue& value);

    platform::Registry& registry_;
    platform::HKey root_ = platform::kHkeyCurrentUser;
    platform::HKey current_ = 0;
};

} // namespace tovra::settings
