// The screen savers that the emulated system folder offers: one entry per
// installed xscreensaver program and one for the project's own, never
// touching a screen saver the user put there.

#include "platform/emulated/ScreenSaverEntries.h"

#include "tests/support/ScriptFiles.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

namespace tovra::platform::emulated {
namespace {

using test::awaitFile;
using test::writeScript;
using tovra::test::readBytes;
using tovra::test::TempDir;
using tovra::test::writeBytes;

class ScreenSaverEntriesTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(descriptions);
        std::filesystem::create_directories(folder);
        writeScript(hacks / "swirl", "exit 0");
        writeBytes(descriptions / "swirl.xml", "<screensaver/>");
        writeScript(hacks / "xscreensaver-getimage", "exit 0"); // a helper: no description
        writeBytes(hacks / "noexec", "");
        writeBytes(descriptions / "noexec.xml", "<screensaver/>");
    }

    [[nodiscard]] std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            found.insert(entry.path().filename().string());
        }
        return found;
    }

    TempDir dir;
    std::filesystem::path hacks = dir.path() / "libexec";
    std::filesystem::path descriptions = dir.path() / "config";
    std::filesystem::path folder = dir.path() / "System32";
    ScreenSaverSources sources{dir.path() / "it's mine" / "tovra-screensaver", hacks, descriptions};
};

TEST_F(ScreenSaverEntriesTest, OffersInstalledScreenSaversAndLeavesTheUsersAlone) {
    writeBytes(folder / "swirl.scr", "the user's own swirl");
    writeBytes(folder / "mine.scr", "the user's own");
    writeBytes(folder / "gone.scr", screenSaverEntryScript("/old/saver", "/old/gone"));

    syncScreenSaverEntries(folder, sources);

    EXPECT_EQ(names(), (std::set<std::string>{"TovraDesktop.scr", "mine.scr", "swirl.scr"}));
    EXPECT_EQ(readBytes(folder / "swirl.scr"), "the user's own swirl");
    EXPECT_EQ(readBytes(folder / "TovraDesktop.scr"),
              screenSaverEntryScript(sources.saverProgram, {}));

    std::filesystem::remove(folder / "swirl.scr");
    syncScreenSaverEntries(folder, sources);
    EXPECT_EQ(readBytes(folder / "swirl.scr"),
              screenSaverEntryScript(sources.saverProgram, hacks / "swirl"));

    sources.saverProgram.clear(); // no screen-saver program: no entries
    syncScreenSaverEntries(folder, sources);
    EXPECT_EQ(names(), (std::set<std::string>{"mine.scr"}));
}

TEST_F(ScreenSaverEntriesTest, AnEntryHandsItsArgumentsToTheScreenSaverProgram) {
    const auto out = dir.path() / "arguments";
    writeScript(sources.saverProgram, "printf '%s|' \"$@\" > '" + out.string() + ".part'\nmv '" +
                                          out.string() + ".part' '" + out.string() + "'");
    syncScreenSaverEntries(folder, sources);
    ASSERT_EQ(std::system(("'" + (folder / "swirl.scr").string() + "' /p 724").c_str()), 0);
    EXPECT_EQ(awaitFile(out), "--hack|" + (hacks / "swirl").string() + "|/p|724|");
}

} // namespace
} // namespace tovra::platform::emulated
