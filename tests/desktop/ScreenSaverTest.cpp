// The screen-saver command line both ways: what the chooser starts, and what
// the screen-saver program reads from it; one preview at a time.

#include "desktop/core/ScreenSaverCommand.h"
#include "desktop/core/ScreenSaverPreview.h"
#include "platform/emulated/EmulatedProcesses.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace tovra::desktop {
namespace {

using Mode = ScreenSaverCommand::Mode;

struct ParseCase {
    const char* name;
    std::vector<std::string> arguments;
    ScreenSaverCommand expected;
};

class ParseCommand : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommand, ReadsTheConvention) {
    EXPECT_EQ(parseScreenSaverCommand(GetParam().arguments), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ScreenSaver, ParseCommand,
    testing::Values(ParseCase{"Nothing", {}, {Mode::Configure, 0, {}}},
                    ParseCase{"Preview", {"/p", "724"}, {Mode::Preview, 724, {}}},
                    ParseCase{"PreviewUpperDash", {"-P", "8388621"}, {Mode::Preview, 8388621, {}}},
                    ParseCase{"PreviewColon", {"/p:724"}, {Mode::Preview, 724, {}}},
                    ParseCase{"PreviewWithoutWindow", {"/p"}, {Mode::Invalid, 0, {}}},
                    ParseCase{"PreviewBadWindow", {"/p", "72x"}, {Mode::Invalid, 0, {}}},
                    ParseCase{"PreviewNegativeWindow", {"/p", "-1"}, {Mode::Invalid, 0, {}}},
                    ParseCase{"FullScreen", {"/S"}, {Mode::FullScreen, 0, {}}},
                    ParseCase{"Configure", {"/c:1234"}, {Mode::Configure, 0, {}}},
                    ParseCase{"Unknown", {"/x"}, {Mode::Invalid, 0, {}}},
                    ParseCase{"LongSwitch", {"/preview"}, {Mode::Invalid, 0, {}}},
                    ParseCase{"HackPreview",
                              {"--hack", "/usr/libexec/xscreensaver/swirl", "/p", "9"},
                              {Mode::Preview, 9, "/usr/libexec/xscreensaver/swirl"}},
                    ParseCase{
                        "HackFullScreen", {"--hack", "/h", "/s"}, {Mode::FullScreen, 0, "/h"}},
                    ParseCase{"HackWithoutProgram", {"--hack"}, {Mode::Invalid, 0, {}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ScreenSaver, HackDrawsInsideTheWindow) {
    EXPECT_EQ(hackArguments(8388621), (std::vector<std::string>{"-window-id", "8388621"}));
}

TEST(ScreenSaver, PreviewLineQuotesThePath) {
    EXPECT_EQ(previewCommandLine("C:\\WINDOWS\\system32\\demo.scr", 724),
              "\"C:\\WINDOWS\\system32\\demo.scr\" /p 724");
    EXPECT_EQ(previewCommandLine("/home/u/my savers/星空.scr", 8388621),
              "\"/home/u/my savers/星空.scr\" /p 8388621");
    EXPECT_EQ(previewCommandLine("", 724), std::nullopt);
    EXPECT_EQ(previewCommandLine("/a\"b.scr", 724), std::nullopt);
}

TEST(ScreenSaver, OnePreviewAtATimeStoppedWithItsOwner) {
    tovra::test::TempDir dir;
    platform::emulated::test::RecordingLauncher launcher;
    platform::emulated::EmulatedProcesses processes(platform::emulated::StateRoot(dir.path()),
                                                    launcher);
    {
        ScreenSaverPreview preview(processes);
        EXPECT_FALSE(preview.start("", 724)); // nothing selected: nothing starts
        EXPECT_TRUE(preview.start("/bin/true", 724));
        EXPECT_TRUE(preview.start("/bin/true", 725));
        EXPECT_EQ(launcher.stopped, (std::vector<int>{4000}));
        ASSERT_EQ(launcher.requests.size(), 2u);
        EXPECT_EQ(launcher.requests[1].arguments, (std::vector<std::string>{"/p", "725"}));
    }
    EXPECT_EQ(launcher.stopped, (std::vector<int>{4000, 4001}));
}

} // namespace
} // namespace tovra::desktop
