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

namespace tovra::desktop::test {

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

    tovra::test::TempDir dir;
    platform::emulated::EmulatedRegistry store{dir.path()};
    tovra::test::WatchedRegistry registry{store};

private:
    platform::HKey openKey(platform::HKey root, std::string_view key) {
        platform::HKey opened = 0;
        store.createKey(root, std::string(key.substr(1)), opened);
        return opened;
    }
};

} // namespace tovra::desktop::test
