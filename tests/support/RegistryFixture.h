#pragma once

// The emulated registry in a private folder, watched: what a test seeds
// before, and what the code under test changed, in order.

#include "platform/emulated/EmulatedRegistry.h"
#include "tests/support/TempDir.h"
#include "tests/support/WatchedRegistry.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovra::test {

using Change = WatchedRegistry::Change;

/// Changes in the order of the first list, then of the second.
inline std::vector<Change> operator+(std::vector<Change> first, const std::vector<Change>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

/// A REG_BINARY value, of a type no setting is stored as.
inline platform::RegValue binaryValue() {
    platform::RegValue value;
    value.type = platform::kRegBinary;
    value.data = {1, 0, 0, 0};
    return value;
}

struct Seed {
    platform::HKey root;
    std::string_view key;
    std::string name;
    platform::RegValue value;
};

class RegistryFixture {
public:
    void seed(const Seed& value) {
        const auto opened = openKey(value.root, value.key);
        EXPECT_EQ(store.setValue(opened, value.name, value.value), platform::kErrorSuccess);
        store.closeKey(opened);
    }
    [[nodiscard]] std::optional<platform::RegValue>
    stored(platform::HKey root, std::string_view key, const std::string& name) {
        platform::RegValue value;
        const auto opened = openKey(root, key);
        const bool found = store.queryValue(opened, name, value) == platform::kErrorSuccess;
        store.closeKey(opened);
        return found ? std::optional(value) : std::nullopt;
    }

    TempDir dir;
    platform::emulated::EmulatedRegistry store{dir.path()};
    WatchedRegistry registry{store};

private:
    platform::HKey openKey(platform::HKey root, std::string_view key) {
        platform::HKey opened = 0;
        store.createKey(root, std::string(key.substr(1)), opened);
        return opened;
    }
};

} // namespace tovra::test
