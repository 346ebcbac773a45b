// The backend-neutral tables, run against the Windows backend: the same
// profile-file and registry cases that the emulated backend passes.

#include "platform/win32/Win32ProfileFiles.h"
#include "platform/win32/Win32Registry.h"
#include "tests/platform/ProfileConformance.h"
#include "tests/platform/RegistryConformance.h"
#include "tests/support/TempDir.h"
#include "tests/support/WineHost.h"

#include <gtest/gtest.h>
#include <memory>

namespace tovra::platform::win32 {
namespace {

class TempScratch final : public tovra::test::ScratchFolder {
public:
    [[nodiscard]] std::filesystem::path path() const override { return dir_.path(); }
    [[nodiscard]] std::filesystem::path unwritableFolder() override {
        return tovra::test::unwritableFolder(dir_);
    }

private:
    tovra::test::TempDir dir_;
};

/// The Windows backend behaves as the system under it does.
tovra::test::System hostSystem() {
    return tovra::test::runningUnderWine() ? tovra::test::System::Wine
                                           : tovra::test::System::Windows;
}

tovra::test::ProfileBackend win32ProfileBackend() {
    return {"Win32", [] { return std::make_unique<Win32ProfileFiles>(); },
            [] { return std::make_unique<TempScratch>(); }, hostSystem()};
}

test::RegistryBackend win32RegistryBackend() {
    test::RegistryBackend backend{"Win32", [] { return std::make_shared<Win32Registry>(); }};
    backend.system = hostSystem();
    return backend;
}

using tovra::test::ProfileConformance;
INSTANTIATE_TEST_SUITE_P(Win32, ProfileConformance,
                         ::testing::ValuesIn(tovra::test::conformanceCases(win32ProfileBackend())),
                         tovra::test::conformanceCaseName);

using test::RegistryConformance;
INSTANTIATE_TEST_SUITE_P(Win32, RegistryConformance,
                         ::testing::Combine(::testing::Values(win32RegistryBackend()),
                                            ::testing::ValuesIn(test::registryConformanceCases())),
                         test::registryConformanceName);

} // namespace
} // namespace tovra::platform::win32
