#include "platform/emulated/EmulatedRegistry.h"

#include "platform/TextCase.h"
#include "platform/emulated/Utf16.h"

#include <algorithm>
#include <utility>

namespace tovra::platform::emulated {

namespace {

/// Handles are issued as Windows issues them: small multiples of four, far
/// below the predefined root handles.
constexpr HKey kFirstHandle = 0x1000;
constexpr HKey kHandleStep = 4;

using Outcome = RegistryStore::Outcome;

/// A name as an ANSI call receives it: up to its first zero byte.
std::string_view ansiName(const std::string& name) {
    return std::string_view(name).substr(0, name.find('\0'));
}

/// Whether a key or value name can be stored in a line of the registry file.
bool storableName(std::string_view name) {
    return isValidUtf8(name) && name.find_first_of("\r\n") == std::string_view::npos;
}

bool storableValue(const RegValue& value) {
    const bool text =
        value.type == kRegSz || value.type == kRegExpandSz || value.type == kRegMultiSz;
    return !text || isValidUtf8(std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                                 value.data.size()));
}

/// The parts of a subkey path given relative to key. Windows refuses a path
/// that starts with a backslash (ERROR_BAD_PATHNAME), except that
/// RegOpenKeyExA skips one under HKEY_CLASSES_ROOT. Doubled and trailing
/// backslashes are ignored.
Status relativePath(HKey key, const std::string& subKey, bool opening, KeyPath& parts) {
    std::string_view path = ansiName(subKey);
    if (path.starts_with('\\')) {
        if (!opening || key != kHkeyClassesRoot) {
            return kErrorBadPathname;
        }
        path.remove_prefix(1);
        if (path.starts_with('\\')) {
            return kErrorBadPathname;
        }
    }
    parts = splitKeyPath(path);
    return kErrorSuccess;
}

bool isPrefix(const KeyPath& prefix, const KeyPath& path) {
    return prefix.size() <= path.size() &&
           std::equal(
               prefix.begin(), prefix.end(), path.begin(),
               [](const std::string& a, const std::string& b) { return equalsIgnoringCase(a, b); });
}

} // namespace

EmulatedRegistry::EmulatedRegistry(std::filesystem::path stateRoot, std::ostream& diagnostics)
    : store_(std::move(stateRoot), diagnostics)
    , nextHandle_(kFirstHandle) {}

Status EmulatedRegistry::openKey(HKey key, const std::string& subKey, HKey& result) {
    return open(key, subKey, false, result);
}

Status EmulatedRegistry::openKeyReadOnly(HKey key, const std::string& subKey, HKey& result) {
    return open(key, subKey, true, result);
}

Status EmulatedRegistry::open(HKey key, const std::string& subKey, bool readOnly, HKey& result) {
    result = 0;
    Target base;
    KeyPath relative;
    if (const Status status = resolve(key, base); status != kErrorSuccess) {
        return status;
    }
    if (const Status status = relativePath(key, subKey, true, relative); status != kErrorSuccess) {
        return status;
    }
    if (relative.empty() && rootFromHandle(key)) {
        result = key; // Windows hands a predefined key back as it is
        return kErrorSuccess;
    }
    std::shared_ptr<const RegTree> tree;
    const RegKeyNode* node = nullptr;
    if (const Status status = readKey(key, tree, node); status != kErrorSuccess) {
        return status;
    }
    if (node->find(relative) == nullptr) {
        return kErrorFileNotFound;
    }
    base.path.insert(base.path.end(), relative.begin(), relative.end());
    result = issue(std::move(base), readOnly);
    return kErrorSuccess;
}

Status EmulatedRegistry::createKey(HKey key, const std::string& subKey, HKey& result) {
    result = 0;
    Target base;
    KeyPath relative;
    if (const Status status = resolve(key, base); status != kErrorSuccess) {
        return status;
    }
    if (const Status status = relativePath(key, subKey, false, relative); status != kErrorSuccess) {
        return status;
    }
    // Opening a key that exists writes nothing, so it works on a read-only registry too.
    std::shared_ptr<const RegTree> tree;
    const RegKeyNode* node = nullptr;
    if (const Status status = readKey(key, tree, node); status != kErrorSuccess) {
        return status;
    }
    if (node->find(relative) == nullptr) {
        if (!std::all_of(relative.begin(), relative.end(),
                         [](const std::string& name) { return storableName(name); })) {
            return kErrorInvalidParameter;
        }
        const Status status = store_.update([&](RegTree& current) -> Outcome {
            RegKeyNode* parent = locate(key, base, current);
            if (parent == nullptr) {
                return {kErrorKeyDeleted, false};
            }
            for (const std::string& name : relative) {
                parent = &parent->subkeyOrCreate(name);
            }
            return {kErrorSuccess, true};
        });
        if (status != kErrorSuccess) {
            return status;
        }
    }
    base.path.insert(base.path.end(), relative.begin(), relative.end());
    result = issue(std::move(base));
    return kErrorSuccess;
}

Status EmulatedRegistry::queryValue(HKey key, const std::string& name, RegValue& value) {
    std::shared_ptr<const RegTree> tree;
    const RegKeyNode* node = nullptr;
    if (const Status status = readKey(key, tree, node); status != kErrorSuccess) {
        return status;
    }
    const RegValue* found = node->value(ansiName(name));
    if (found == nullptr) {
        return kErrorFileNotFound;
    }
    value = *found;
    return kErrorSuccess;
}

Status EmulatedRegistry::setValue(HKey key, const std::string& name, const RegValue& value) {
    Target target;
    if (const Status status = resolveForChange(key, target); status != kErrorSuccess) {
        return status;
    }
    const std::string_view valueName = ansiName(name);
    if (!storableName(valueName) || !storableValue(value)) {
        return kErrorInvalidParameter;
    }
    return store_.update([&](RegTree& tree) -> Outcome {
        RegKeyNode* node = locate(key, target, tree);
        if (node == nullptr) {
            return {kErrorKeyDeleted, false};
        }
        node->setValue(valueName, value);
        return {kErrorSuccess, true};
    });
}

Status EmulatedRegistry::deleteValue(HKey key, const std::string& name) {
    Target target;
    if (const Status status = resolveForChange(key, target); status != kErrorSuccess) {
        return status;
    }
    return store_.update([&](RegTree& tree) -> Outcome {
        RegKeyNode* node = locate(key, target, tree);
        if (node == nullptr) {
            return {kErrorKeyDeleted, false};
        }
        if (!node->removeValue(ansiName(name))) {
            return {kErrorFileNotFound, false};
        }
        return {kErrorSuccess, true};
    });
}

Status EmulatedRegistry::deleteKey(HKey key, const std::string& subKey) {
    Target victim;
    KeyPath relative;
    if (const Status status = resolve(key, victim); status != kErrorSuccess) {
        return status;
    }
    if (const Status status = relativePath(key, subKey, true, relative); status != kErrorSuccess) {
        return status;
    }
    const Target base = victim;
    victim.path.insert(victim.path.end(), relative.begin(), relative.end());
    const Status status = store_.update([&](RegTree& tree) -> Outcome {
        if (locate(key, base, tree) == nullptr) {
            return {kErrorKeyDeleted, false};
        }
        RegKeyNode& root = tree.root(victim.root);
        const RegKeyNode* doomed = root.find(victim.path);
        if (doomed == nullptr) {
            return {kErrorFileNotFound, false};
        }
        if (victim.path.empty() || !doomed->subkeys().empty()) {
            return {kErrorAccessDenied, false}; // a root, or a key with subkeys
        }
        const std::span<const std::string> parentPath(victim.path.data(), victim.path.size() - 1);
        root.find(parentPath)->removeSubkey(victim.path.back());
        return {kErrorSuccess, true};
    });
    if (status == kErrorSuccess) {
        markDeleted(victim);
    }
    return status;
}

Status EmulatedRegistry::enumKey(HKey key, std::uint32_t index, std::string& name) {
    std::shared_ptr<const RegTree> tree;
    const RegKeyNode* node = nullptr;
    if (const Status status = readKey(key, tree, node); status != kErrorSuccess) {
        return status;
    }
    if (index >= node->subkeys().size()) {
        return kErrorNoMoreItems;
    }
    name = node->subkeys()[index].name();
    return kErrorSuccess;
}

Status EmulatedRegistry::closeKey(HKey key) {
    if (rootFromHandle(key)) {
        return kErrorSuccess;
    }
    return open_.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

Status EmulatedRegistry::resolve(HKey key, Target& target) const {
    if (const auto root = rootFromHandle(key)) {
        target = Target{*root, {}};
        return kErrorSuccess;
    }
    const auto found = open_.find(key);
    if (found == open_.end()) {
        return kErrorInvalidHandle;
    }
    if (found->second.deleted) {
        return kErrorKeyDeleted;
    }
    target = found->second.target;
    return kErrorSuccess;
}

Status EmulatedRegistry::resolveForChange(HKey key, Target& target) const {
    if (const Status status = resolve(key, target); status != kErrorSuccess) {
        return status;
    }
    const auto found = open_.find(key);
    return found != open_.end() && found->second.readOnly ? kErrorAccessDenied : kErrorSuccess;
}

const RegKeyNode* EmulatedRegistry::locate(HKey key, const Target& target, const RegTree& tree) {
    const RegKeyNode* node = tree.root(target.root).find(target.path);
    if (node == nullptr) {
        if (const auto found = open_.find(key); found != open_.end()) {
            found->second.deleted = true;
        }
    }
    return node;
}

RegKeyNode* EmulatedRegistry::locate(HKey key, const Target& target, RegTree& tree) {
    return const_cast<RegKeyNode*>(locate(key, target, std::as_const(tree)));
}

Status EmulatedRegistry::readKey(HKey key, std::shared_ptr<const RegTree>& tree,
                                 const RegKeyNode*& node) {
    Target target;
    if (const Status status = resolve(key, target); status != kErrorSuccess) {
        return status;
    }
    tree = store_.read();
    if (!tree) {
        return kErrorAccessDenied;
    }
    node = locate(key, target, *tree);
    return node == nullptr ? kErrorKeyDeleted : kErrorSuccess;
}

HKey EmulatedRegistry::issue(Target target, bool readOnly) {
    const HKey handle = nextHandle_;
    nextHandle_ += kHandleStep;
    open_.emplace(handle, OpenKey{std::move(target), false, readOnly});
    return handle;
}

void EmulatedRegistry::markDeleted(const Target& target) {
    for (auto& [handle, open] : open_) {
        if (open.target.root == target.root && isPrefix(target.path, open.target.path)) {
            open.deleted = true;
        }
    }
}

} // namespace tovra::platform::emulated
