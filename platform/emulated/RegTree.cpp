#include "platform/emulated/RegTree.h"

#include "platform/TextCase.h"

#include <algorithm>

namespace tovra::platform::emulated {

namespace {

constexpr char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

/// -1, 0 or 1 as a comes before, with or after b in enumeration order.
int compareUpper(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(upperAscii(a[i]));
        const auto y = static_cast<unsigned char>(upperAscii(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

} // namespace

std::string_view rootName(RegRoot root) {
    switch (root) {
    case RegRoot::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case RegRoot::CurrentUser:
        return "HKEY_CURRENT_USER";
    case RegRoot::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    }
    return {};
}

std::optional<RegRoot> rootFromName(std::string_view name) {
    for (const RegRoot root : kRegRoots) {
        if (equalsIgnoringCase(name, rootName(root))) {
            return root;
        }
    }
    return std::nullopt;
}

std::optional<RegRoot> rootFromHandle(HKey key) {
    switch (key) {
    case kHkeyClassesRoot:
        return RegRoot::ClassesRoot;
    case kHkeyCurrentUser:
        return RegRoot::CurrentUser;
    case kHkeyLocalMachine:
        return RegRoot::LocalMachine;
    default:
        return std::nullopt;
    }
}

KeyPath splitKeyPath(std::string_view path) {
    KeyPath parts;
    while (!path.empty()) {
        const std::size_t end = std::min(path.find('\\'), path.size());
        if (end > 0) {
            parts.emplace_back(path.substr(0, end));
        }
        path.remove_prefix(std::min(end + 1, path.size()));
    }
    return parts;
}

bool enumeratesBefore(std::string_view a, std::string_view b) {
    return compareUpper(a, b) < 0;
}

std::vector<RegKeyNode>::iterator RegKeyNode::subkeySlot(std::string_view name) {
    return std::lower_bound(subkeys_.begin(), subkeys_.end(), name,
                            [](const RegKeyNode& key, std::string_view wanted) {
                                return compareUpper(key.name_, wanted) < 0;
                            });
}

RegKeyNode* RegKeyNode::subkey(std::string_view name) {
    const auto slot = subkeySlot(name);
    return (slot != subkeys_.end() && compareUpper(slot->name_, name) == 0) ? &*slot : nullptr;
}

const RegKeyNode* RegKeyNode::subkey(std::string_view name) const {
    return const_cast<RegKeyNode*>(this)->subkey(name);
}

RegKeyNode& RegKeyNode::subkeyOrCreate(std::string_view name) {
    const auto slot = subkeySlot(name);
    if (slot != subkeys_.end() && compareUpper(slot->name_, name) == 0) {
        return *slot;
    }
    return *subkeys_.insert(slot, RegKeyNode(std::string(name)));
}

bool RegKeyNode::removeSubkey(std::string_view name) {
    const auto slot = subkeySlot(name);
    if (slot == subkeys_.end() || compareUpper(slot->name_, name) != 0) {
        return false;
    }
    subkeys_.erase(slot);
    return true;
}

RegKeyNode* RegKeyNode::find(std::span<const std::string> path) {
    RegKeyNode* key = this;
    for (const std::string& name : path) {
        key = key->subkey(name);
        if (key == nullptr) {
            return nullptr;
        }
    }
    return key;
}

const RegKeyNode* RegKeyNode::find(std::span<const std::string> path) const {
    return const_cast<RegKeyNode*>(this)->find(path);
}

const RegValue* RegKeyNode::value(std::string_view name) const {
    const auto found = std::find_if(values_.begin(), values_.end(), [name](const NamedValue& v) {
        return equalsIgnoringCase(v.name, name);
    });
    return found == values_.end() ? nullptr : &found->value;
}

void RegKeyNode::setValue(std::string_view name, RegValue value) {
    const auto found = std::find_if(values_.begin(), values_.end(), [name](const NamedValue& v) {
        return equalsIgnoringCase(v.name, name);
    });
    if (found != values_.end()) {
        found->value = std::move(value);
    } else {
        values_.push_back(NamedValue{std::string(name), std::move(value)});
    }
}

bool RegKeyNode::removeValue(std::string_view name) {
    const auto found = std::find_if(values_.begin(), values_.end(), [name](const NamedValue& v) {
        return equalsIgnoringCase(v.name, name);
    });
    if (found == values_.end()) {
        return false;
    }
    values_.erase(found);
    return true;
}

} // namespace tovra::platform::emulated
