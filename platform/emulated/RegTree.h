#pragma once

// The emulated registry in memory: a tree of keys under the three roots the
// program uses. Key and value names compare without regard to case and keep
// the spelling they were created with. Subkeys stand in the order Windows
// enumerates them (by upper-cased name); values in the order they were created.

#include "platform/Registry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tovra::platform::emulated {

enum class RegRoot : std::uint8_t { ClassesRoot, CurrentUser, LocalMachine };

inline constexpr std::array<RegRoot, 3> kRegRoots = {RegRoot::ClassesRoot, RegRoot::CurrentUser,
                                                     RegRoot::LocalMachine};

/// "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE".
[[nodiscard]] std::string_view rootName(RegRoot root);
/// The root a full name stands for, compared without regard to case.
[[nodiscard]] std::optional<RegRoot> rootFromName(std::string_view name);
/// The root a predefined handle stands for; nothing for any other handle.
[[nodiscard]] std::optional<RegRoot> rootFromHandle(HKey key);

/// A key's path below its root, one name per level.
using KeyPath = std::vector<std::string>;

/// Splits a backslash-separated path into names. Empty parts (doubled or
/// trailing backslashes) are dropped, as Windows drops them.
[[nodiscard]] KeyPath splitKeyPath(std::string_view path);

/// The order in which Windows enumerates subkeys: by upper-cased name.
[[nodiscard]] bool enumeratesBefore(std::string_view a, std::string_view b);

struct NamedValue {
    std::string name;
    RegValue value;
    friend bool operator==(const NamedValue&, const NamedValue&) = default;
};

class RegKeyNode {
public:
    RegKeyNode() = default;
    explicit RegKeyNode(std::string name)
        : name_(std::move(name)) {}

    [[nodiscard]] const std::string& name() const { return name_; }

    [[nodiscard]] const std::vector<RegKeyNode>& subkeys() const { return subkeys_; }
    [[nodiscard]] RegKeyNode* subkey(std::string_view name);
    [[nodiscard]] const RegKeyNode* subkey(std::string_view name) const;
    /// The subkey of that name, created with that spelling when missing. The
    /// reference stays valid until this key's subkeys change again.
    RegKeyNode& subkeyOrCreate(std::string_view name);
    /// False when there is no such subkey.
    bool removeSubkey(std::string_view name);

    /// The key at path below this one; nullptr when any part is missing.
    [[nodiscard]] RegKeyNode* find(std::span<const std::string> path);
    [[nodiscard]] const RegKeyNode* find(std::span<const std::string> path) const;

    [[nodiscard]] const std::vector<NamedValue>& values() const { return values_; }
    [[nodiscard]] const RegValue* value(std::string_view name) const;
    /// Sets a value; an existing one keeps its spelling and its place.
    void setValue(std::string_view name, RegValue value);
    /// False when there is no such value.
    bool removeValue(std::string_view name);

    /// Equal names (spelled alike), values and subkeys, all in the same order.
    friend bool operator==(const RegKeyNode&, const RegKeyNode&) = default;

private:
    std::vector<RegKeyNode>::iterator subkeySlot(std::string_view name);

    std::string name_;
    std::vector<NamedValue> values_;
    std::vector<RegKeyNode> subkeys_;
};

/// The three roots, each an unnamed key.
class RegTree {
public:
    [[nodiscard]] RegKeyNode& root(RegRoot which) { return roots_.at(index(which)); }
    [[nodiscard]] const RegKeyNode& root(RegRoot which) const { return roots_.at(index(which)); }

    friend bool operator==(const RegTree&, const RegTree&) = default;

private:
    static std::size_t index(RegRoot which) { return static_cast<std::size_t>(which); }

    std::array<RegKeyNode, kRegRoots.size()> roots_;
};

} // namespace tovra::platform::emulated
