#pragma once

// What every registry backend must do, written against platform::Registry
// alone so that the same table runs on the emulated registry here and on the
// real one under Windows. Each case works below a scratch key of its own under
// each root (e.g. HKCU\Software\TovraDesktopTest\<case>) and removes it
// afterwards, so nothing else in a real registry is touched.
//
// A case is a list of calls through named handle slots: "cu", "lm" and "cr"
// are the case's scratch keys under HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE and
// HKEY_CLASSES_ROOT; "HKCU", "HKLM" and "HKCR" are the predefined roots
// themselves; create and open put the handle they return into a new slot.
//
// Include this only from test code built with GoogleTest; it uses no POSIX
// call, so that it also builds for Windows.

#include "platform/Registry.h"
#include "tests/platform/ConformanceSystem.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace tovra::platform {

/// Prints a value's type and bytes in a failure message.
void PrintTo(const RegValue& value, std::ostream* out);

namespace test {

/// One registry backend under test.
struct RegistryBackend {
    /// Letters and digits only: it becomes part of the test names.
    std::string name;
    /// Makes a registry for one case; it lives until the case ends.
    std::function<std::shared_ptr<Registry>()> create;
    /// The scratch key below each root under which each case makes its own key.
    std::string currentUserScratch = "Software\\TovraDesktopTest";
    std::string localMachineScratch = "Software\\TovraDesktopTest";
    std::string classesRootScratch = "TovraDesktopTest";
    /// Whose behaviour the backend shows: the Windows backend shows that of
    /// the system it runs on.
    tovra::test::System system = tovra::test::System::Windows;
};

enum class RegOp {
    Create,
    Open,
    OpenReadOnly,
    Set,
    Query,
    DeleteValue,
    DeleteKey,
    Enum,
    Subkeys,
    Close
};

/// One call and what it must give.
struct RegStep {
    RegOp op = RegOp::Query;
    /// The slot of the handle the call goes through.
    std::string key;
    /// The subkey path or the value name.
    std::string text;
    Status expected = kErrorSuccess;
    /// Create, Open and OpenReadOnly: the slot that receives the new handle.
    std::string into;
    /// Set: the value written. Query: the value expected.
    std::optional<RegValue> value;
    /// Enum: the index asked for.
    std::uint32_t index = 0;
    /// Enum: the name expected. Subkeys: every subkey's name, in order.
    std::vector<std::string> names;
    /// Where a system differs from Windows.
    tovra::test::Variants<RegStep> variants;
};

struct RegistryCase {
    /// Letters and digits only: it becomes part of the test names and the scratch key.
    std::string name;
    std::vector<RegStep> steps;
};

/// The conformance table.
[[nodiscard]] std::vector<RegistryCase> registryConformanceCases();

using RegistryConformanceParam = std::tuple<RegistryBackend, RegistryCase>;

/// Names the backend and the case in a failure message.
void PrintTo(const RegistryBackend& backend, std::ostream* out);
void PrintTo(const RegistryCase& registryCase, std::ostream* out);

class RegistryConformance : public ::testing::TestWithParam<RegistryConformanceParam> {
protected:
    void SetUp() override;
    void TearDown() override;
    void run(const RegStep& step);

private:
    [[nodiscard]] std::optional<HKey> slot(const std::string& name) const;
    void runOpen(const RegStep& step, HKey key);
    void runEnum(const RegStep& step, HKey key);
    void runSubkeys(const RegStep& step, HKey key);
    [[nodiscard]] std::vector<std::pair<HKey, std::string>> scratchKeys() const;

    std::shared_ptr<Registry> registry_;
    std::vector<std::pair<std::string, HKey>> slots_;
};

/// "<backend>_<case>", for INSTANTIATE_TEST_SUITE_P.
[[nodiscard]] std::string
registryConformanceName(const ::testing::TestParamInfo<RegistryConformanceParam>& info);

/// Deletes a key with everything below it, depth-first as Windows requires.
/// False when any part could not be deleted.
bool deleteKeyTree(Registry& registry, HKey parent, const std::string& subKey);

} // namespace test
} // namespace tovra::platform
