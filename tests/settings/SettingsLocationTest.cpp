#include "settings/SettingsLocation.h"

#include <gtest/gtest.h>

namespace tovra::settings {
namespace {

TEST(SettingsLocationTest, AnInstalledProgramKeepsItsSettingsInTheUsersFolder) {
    const std::optional<std::filesystem::path> user("/home/u/.config/TovraDesktop");
    const struct {
        const char* name;
        bool besideExists;
        bool folderWritable;
        std::optional<std::filesystem::path> userFolder;
        const char* expected;
    } cases[] = {
        {"a build folder or a portable copy", false, true, user, "/opt/t/TovraDesktop.ini"},
        {"installed", false, false, user, "/home/u/.config/TovraDesktop/TovraDesktop.ini"},
        {"installed, with a file beside it", true, false, user, "/opt/t/TovraDesktop.ini"},
        {"a system with no user folder", false, false, std::nullopt, "/opt/t/TovraDesktop.ini"},
    };
    for (const auto& c : cases) {
        // Compared as paths: on Windows a separator may be either slash.
        EXPECT_EQ(std::filesystem::path(chooseSettingsIni("/opt/t/TovraDesktop", c.besideExists,
                                                          c.folderWritable, c.userFolder)),
                  std::filesystem::path(c.expected))
            << c.name;
    }
}

} // namespace
} // namespace tovra::settings
