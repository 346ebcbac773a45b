#include "settings/RegistryAccess.h"

#include <utility>

namespace tovra::settings {

using platform::HKey;
using platform::kErrorSuccess;
using platform::RegValue;

RegistryError RegistryError::getFailed(const std::string& name) {
    return RegistryError("Failed to get data for '" + name + "'");
}

RegistryError RegistryError::invalidType(const std::string& name) {
    return RegistryError("Invalid data type for '" + name + "'");
}

RegistryError RegistryError::setFailed(const std::string& name) {
    return RegistryError("Failed to set data for '" + name + "'");
}

RegistryAccess::RegistryAccess(platform::Registry& registry)
    : registry_(registry) {}

RegistryAccess::RegistryAccess(RegistryAccess&& other) noexcept
    : registry_(other.registry_)
    , root_(other.root_)
    , current_(std::exchange(other.current_, 0)) {}

RegistryAccess::~RegistryAccess() {
    closeKey();
}

void RegistryAccess::setRootKey(HKey root) {
    if (root != root_) {
        closeKey();
        root_ = root;
    }
}

HKey RegistryAccess::baseFor(const std::string& path, std::string& relative) const {
    if (path.starts_with('\\')) {
        relative = path.substr(1);
        return root_;
    }
    relative = path;
    return current_ != 0 ? current_ : root_;
}

bool RegistryAccess::openKey(const std::string& path, bool canCreate) {
    std::string relative;
    const HKey base = baseFor(path, relative);
    HKey opened = 0;
    const auto status = canCreate ? registry_.createKey(base, relative, opened)
                                  : registry_.openKey(base, relative, opened);
    return take(status, opened);
}

bool RegistryAccess::openKeyReadOnly(const std::string& path) {
    std::string relative;
    const HKey base = baseFor(path, relative);
    HKey opened = 0;
    const auto status = registry_.openKeyReadOnly(base, relative, opened);
    return take(status, opened);
}

bool RegistryAccess::take(platform::Status status, HKey opened) {
    if (status != kErrorSuccess) {
        return false;
    }
    closeKey();
    current_ = opened;
    return true;
}

void RegistryAccess::closeKey() {
    if (current_ != 0) {
        registry_.closeKey(current_);
        current_ = 0;
    }
}

bool RegistryAccess::valueExists(const std::string& name) const {
    return readValue(name).has_value();
}

std::optional<RegValue> RegistryAccess::readValue(const std::string& name) const {
    RegValue value;
    if (current_ == 0 || registry_.queryValue(current_, name, value) != kErrorSuccess) {
        return std::nullopt;
    }
    return value;
}

std::string RegistryAccess::readString(const std::string& name) const {
    const auto value = readValue(name);
    if (!value) {
        return {};
    }
    if (value->type != platform::kRegSz && value->type != platform::kRegExpandSz) {
        throw RegistryError::invalidType(name);
    }
    return value->asText();
}

std::int32_t RegistryAccess::readInteger(const std::string& name) const {
    const auto value = readValue(name);
    if (!value) {
        throw RegistryError::getFailed(name);
    }
    const auto number = value->asDword();
    if (!number) {
        throw RegistryError::invalidType(name);
    }
    return static_cast<std::int32_t>(*number);
}

bool RegistryAccess::readBool(const std::string& name) const {
    return readInteger(name) != 0;
}

void RegistryAccess::setValue(const std::string& name, const RegValue& value) {
    if (current_ == 0 || registry_.setValue(current_, name, value) != kErrorSuccess) {
        throw RegistryError::setFailed(name);
    }
}

void RegistryAccess::writeString(const std::string& name, const std::string& value) {
    setValue(name, RegValue::text(value));
}

void RegistryAccess::writeInteger(const std::string& name, std::int32_t value) {
    setValue(name, RegValue::dword(static_cast<std::uint32_t>(value)));
}

void RegistryAccess::writeBool(const std::string& name, bool value) {
    writeInteger(name, value ? 1 : 0);
}

void RegistryAccess::writeCommand(const std::string& name, const std::string& commandLine,
                                  const std::vector<std::string>& command) {
    if (current_ == 0 ||
        registry_.setCommandValue(current_, name, commandLine, command) != kErrorSuccess) {
        throw RegistryError::setFailed(name);
    }
}

bool RegistryAccess::deleteValue(const std::string& name) {
    return current_ != 0 && registry_.deleteValue(current_, name) == kErrorSuccess;
}

void RegistryAccess::removeValue(const std::string& name) {
    const auto status =
        current_ != 0 ? registry_.deleteValue(current_, name) : platform::kErrorInvalidHandle;
    if (status != kErrorSuccess && status != platform::kErrorFileNotFound) {
        throw RegistryError::setFailed(name);
    }
}

bool RegistryAccess::deleteKey(const std::string& path) {
    std::string relative;
    const HKey base = baseFor(path, relative);
    return deleteTree(base, relative);
}

bool RegistryAccess::deleteTree(HKey parent, const std::string& subKey) {
    HKey key = 0;
    if (registry_.openKey(parent, subKey, key) != kErrorSuccess) {
        return false;
    }
    // Windows deletes only keys without subkeys: empty the key first. Always
    // ask for index 0, since each deletion renumbers the rest.
    std::string child;
    bool ok = true;
    while (ok && registry_.enumKey(key, 0, child) == kErrorSuccess) {
        ok = deleteTree(key, child);
    }
    registry_.closeKey(key);
    return ok && registry_.deleteKey(parent, subKey) == kErrorSuccess;
}

} // namespace tovra::settings
