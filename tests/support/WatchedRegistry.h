#pragma once

// A real registry seen through a watcher: every call goes to the registry
// underneath, every change (value set or deleted) is recorded with its key's
// root and path in call order, and the keys under chosen roots can be made to
// refuse opening for change, as HKEY_LOCAL_MACHINE does for a user without
// the right to change it (who may still open them read-only).

#include "platform/Registry.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tovra::test {

class WatchedRegistry final : public platform::Registry {
public:
    using HKey = platform::HKey;
    using RegValue = platform::RegValue;
    using Status = platform::Status;

    struct Change {
        /// "HKCU\path\to\key", the value name, "deleted" or the value's type and text.
        std::string key;
        std::string name;
        std::string what;
        friend bool operator==(const Change&, const Change&) = default;
    };

    explicit WatchedRegistry(platform::Registry& inner)
        : inner_(inner) {}

    /// Opening or creating any key under root with full access is refused
    /// with ERROR_ACCESS_DENIED; opening it read-only is not.
    void refuse(HKey root) { refused_.insert(root); }

    std::vector<Change> changes;

    Status openKey(HKey key, const std::string& subKey, HKey& result) override {
        return open(key, subKey, result, Opening::Open);
    }
    Status openKeyReadOnly(HKey key, const std::string& subKey, HKey& result) override {
        return open(key, subKey, result, Opening::ReadOnly);
    }
    Status createKey(HKey key, const std::string& subKey, HKey& result) override {
        return open(key, subKey, result, Opening::Create);
    }
    Status queryValue(HKey key, const std::string& name, RegValue& value) override {
        return inner_.queryValue(key, name, value);
    }
    Status setValue(HKey key, const std::string& name, const RegValue& value) override {
        const Status status = inner_.setValue(key, name, value);
        if (status == platform::kErrorSuccess) {
            changes.push_back({pathOf(key), name, describe(value)});
        }
        return status;
    }
    Status deleteValue(HKey key, const std::string& name) override {
        const Status status = inner_.deleteValue(key, name);
        if (status == platform::kErrorSuccess) {
            changes.push_back({pathOf(key), name, "deleted"});
        }
        return status;
    }
    Status deleteKey(HKey key, const std::string& subKey) override {
        return inner_.deleteKey(key, subKey);
    }
    Status enumKey(HKey key, std::uint32_t index, std::string& name) override {
        return inner_.enumKey(key, index, name);
    }
    Status closeKey(HKey key) override {
        paths_.erase(key);
        return inner_.closeKey(key);
    }

    /// "REG_SZ text", "REG_DWORD number", or the type's number for others.
    static std::string describe(const RegValue& value) {
        if (const auto number = value.asDword()) {
            return "REG_DWORD " + std::to_string(*number);
        }
        if (value.type == platform::kRegSz) {
            return "REG_SZ " + value.asText();
        }
        return "type " + std::to_string(value.type);
    }

private:
    enum class Opening { ReadOnly, Open, Create };

    Status open(HKey key, const std::string& subKey, HKey& result, Opening how) {
        const std::string path = pathOf(key) + "\\" + subKey;
        if (how != Opening::ReadOnly && refused_.contains(rootOf(key))) {
            return platform::kErrorAccessDenied;
        }
        const Status status = how == Opening::Create ? inner_.createKey(key, subKey, result)
                              : how == Opening::Open ? inner_.openKey(key, subKey, result)
                                                     : inner_.openKeyReadOnly(key, subKey, result);
        if (status == platform::kErrorSuccess) {
            paths_[result] = {rootOf(key), path};
        }
        return status;
    }
    [[nodiscard]] HKey rootOf(HKey key) const {
        const auto it = paths_.find(key);
        return it == paths_.end() ? key : it->second.root;
    }
    [[nodiscard]] std::string pathOf(HKey key) const {
        const auto it = paths_.find(key);
        if (it != paths_.end()) {
            return it->second.path;
        }
        switch (key) {
        case platform::kHkeyCurrentUser:
            return "HKCU";
        case platform::kHkeyLocalMachine:
            return "HKLM";
        case platform::kHkeyClassesRoot:
            return "HKCR";
        default:
            return "?";
        }
    }

    struct Opened {
        HKey root;
        std::string path;
    };
    platform::Registry& inner_;
    std::set<HKey> refused_;
    std::map<HKey, Opened> paths_;
};

} // namespace tovra::test
