#pragma once

// The registry of the emulated Windows, kept in <stateRoot>/registry.reg in
// the registry editor's export format. Every call reads the file afresh, so an
// instance sees another instance's writes at its next call; every change is a
// locked read-modify-write (RegistryStore).
//
// A handle stands for a path below a root; one opened read-only refuses to
// set or delete values, as a KEY_READ handle does. When the key at that path is
// gone (deleted through this instance or another one), the handle stays
// deleted, as a Windows handle to a deleted key does: every call through it
// but RegCloseKey fails with ERROR_KEY_DELETED.
//
// Names travel as the ANSI calls pass them: a zero byte ends a name. The file
// holds UTF-8 text lines, so names and texts must be UTF-8, and names cannot
// hold a line break; a call that would store one fails with
// ERROR_INVALID_PARAMETER.

#include "platform/Registry.h"
#include "platform/emulated/RegTree.h"
#include "platform/emulated/RegistryStore.h"

#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <ostream>

namespace tovra::platform::emulated {

class EmulatedRegistry final : public Registry {
public:
    /// diagnostics receives the one-line notice about a registry file that
    /// does not parse.
    explicit EmulatedRegistry(std::filesystem::path stateRoot,
                              std::ostream& diagnostics = std::cerr);

    Status openKey(HKey key, const std::string& subKey, HKey& result) override;
    Status openKeyReadOnly(HKey key, const std::string& subKey, HKey& result) override;
    Status createKey(HKey key, const std::string& subKey, HKey& result) override;
    Status queryValue(HKey key, const std::string& name, RegValue& value) override;
    Status setValue(HKey key, const std::string& name, const RegValue& value) override;
    Status deleteValue(HKey key, const std::string& name) override;
    Status deleteKey(HKey key, const std::string& subKey) override;
    Status enumKey(HKey key, std::uint32_t index, std::string& name) override;
    Status closeKey(HKey key) override;

    /// <stateRoot>/registry.reg.
    [[nodiscard]] const std::filesystem::path& file() const { return store_.path(); }

private:
    struct Target {
        RegRoot root = RegRoot::CurrentUser;
        KeyPath path;
    };
    struct OpenKey {
        Target target;
        bool deleted = false;
        bool readOnly = false;
    };

    Status open(HKey key, const std::string& subKey, bool readOnly, HKey& result);
    /// resolve, and kErrorAccessDenied for a handle opened read-only.
    Status resolveForChange(HKey key, Target& target) const;

    /// The key a handle stands for; kErrorInvalidHandle for a handle that is
    /// not open, kErrorKeyDeleted for one whose key is gone.
    Status resolve(HKey key, Target& target) const;
    /// The handle's key in tree; nullptr, and the handle marked deleted, when it is gone.
    const RegKeyNode* locate(HKey key, const Target& target, const RegTree& tree);
    RegKeyNode* locate(HKey key, const Target& target, RegTree& tree);
    /// Reads the tree and finds the handle's key in it, for the calls that only read.
    Status readKey(HKey key, std::shared_ptr<const RegTree>& tree, const RegKeyNode*& node);
    HKey issue(Target target, bool readOnly = false);
    /// Marks every handle on target or below it deleted.
    void markDeleted(const Target& target);

    RegistryStore store_;
    std::map<HKey, OpenKey> open_;
    HKey nextHandle_;
};

} // namespace tovra::platform::emulated
