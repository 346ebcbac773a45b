#include "settings/SettingsLocation.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace tovra::settings {
namespace {

TEST(SettingsLocationEmulatedTest, AnUnwritableFolderSendsTheFileToXdgConfigHome) {
    const tovra::test::TempDir scratch;
    tovra::test::ScopedEnvironment environment;
    environment.set("XDG_CONFIG_HOME", (scratch.path() / "config").string());
    const auto folder = scratch.path() / "config" / "TovraDesktop";

    EXPECT_EQ(locateSettingsIni(scratch.file("TovraDesktop")), scratch.file("TovraDesktop.ini"));
    EXPECT_FALSE(std::filesystem::exists(folder));

    const auto installed = tovra::test::unwritableFolder(scratch) / "Tovra";
    EXPECT_EQ(locateSettingsIni(installed.string()), (folder / "Tovra.ini").string());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

} // namespace
} // namespace tovra::settings
