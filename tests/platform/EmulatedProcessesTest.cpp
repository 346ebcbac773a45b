#include "platform/emulated/EmulatedProcesses.h"

#include "platform/emulated/SpawnLauncher.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/ScriptFiles.h"

#include <cctype>
#include <cerrno>
#include <gtest/gtest.h>
#include <sstream>

namespace tovra::platform::emulated {
namespace {

using test::RecordingLauncher;
using tovra::test::readBytes;
using tovra::test::TempDir;
using tovra::test::writeScript;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

/// "{dir}" in a case's text stands for the scratch folder.
std::string expand(std::string text, const std::filesystem::path& dir) {
    for (auto at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}")) {
        text.replace(at, 5, dir.string());
    }
    return text;
}

struct WinExecCase {
    const char* name;
    const char* commandLine;
    /// The program started and its arguments; no program: nothing starts.
    const char* program;
    std::vector<std::string> arguments;
    unsigned result;
    int launcherError = 0;
};

class WinExec : public testing::TestWithParam<WinExecCase> {
protected:
    void SetUp() override {
        // Programs in a folder with a blank, one of them a prefix of another.
        writeScript(scratch.path() / "my dir" / "prog", "exit 0");
        writeScript(scratch.path() / "my dir" / "prog name", "exit 0");
        writeScript(root.file("System32") / "demo.scr", "exit 0");
        tovra::test::writeBytes(scratch.path() / "folder only" / "placeholder", "");
    }

    TempDir scratch;
    StateRoot root{scratch.path() / "root"};
    RecordingLauncher launcher;
};

TEST_P(WinExec, FindsTheProgramSplitsTheArgumentsAndLogsTheStart) {
    const auto& c = GetParam();
    launcher.error = c.launcherError;
    EmulatedProcesses processes(root, launcher);
    const std::string line = expand(c.commandLine, scratch.path());

    EXPECT_EQ(processes.winExec(line, 5), c.result);

    if (c.program == nullptr) {
        EXPECT_TRUE(launcher.requests.empty());
    } else {
        ASSERT_EQ(launcher.requests.size(), 1u);
        EXPECT_EQ(launcher.requests[0].program, expand(c.program, scratch.path()));
        EXPECT_EQ(launcher.requests[0].arguments, c.arguments);
    }
    const auto logged = lines(readBytes(root.file("processes.log")));
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_NE(logged[0].find("\tWinExec\t"), std::string::npos) << logged[0];
    EXPECT_NE(logged[0].find(line), std::string::npos) << logged[0];
    EXPECT_TRUE(logged[0].ends_with("\t" + std::to_string(c.result))) << logged[0];
}

INSTANTIATE_TEST_SUITE_P(
    EmulatedProcesses, WinExec,
    testing::Values(
        WinExecCase{"plain program", "/bin/true", "/bin/true", {}, 33},
        WinExecCase{
            "program with arguments", "/bin/true a  \"b c\"", "/bin/true", {"a", "b c"}, 33},
        WinExecCase{"quoted path with a blank",
                    "\"{dir}/my dir/prog\" /p 724",
                    "{dir}/my dir/prog",
                    {"/p", "724"},
                    33},
        WinExecCase{"unquoted path with a blank",
                    "{dir}/my dir/prog /p 724",
                    "{dir}/my dir/prog",
                    {"/p", "724"},
                    33},
        WinExecCase{"the shortest existing prefix wins",
                    "{dir}/my dir/prog name /p 1",
                    "{dir}/my dir/prog",
                    {"name", "/p", "1"},
                    33},
        WinExecCase{"quoting picks the longer name",
                    "\"{dir}/my dir/prog name\" /p 1",
                    "{dir}/my dir/prog name",
                    {"/p", "1"},
                    33},
        WinExecCase{"a bare name is found in the system folder",
                    "demo.scr /s",
                    "{dir}/root/System32/demo.scr",
                    {"/s"},
                    33},
        WinExecCase{"a folder is no program", "{dir}/folder only x", nullptr, {}, 2},
        WinExecCase{"missing program", "{dir}/missing.scr /p 724", nullptr, {}, 2},
        WinExecCase{"nothing selected", " /p 724", nullptr, {}, 2},
        WinExecCase{"empty line", "", nullptr, {}, 2},
        WinExecCase{"a file that may not run", "/bin/true", "/bin/true", {}, 5, EACCES},
        WinExecCase{"not a program of this system", "/bin/true", "/bin/true", {}, 11, ENOEXEC},
        WinExecCase{"out of resources", "/bin/true", "/bin/true", {}, 0, EAGAIN}),
    [](const auto& param) {
        std::string name = param.param.name;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(EmulatedProcesses, ARealStartHandsTheSplitArgumentsToTheProgram) {
    TempDir scratch;
    const auto script = scratch.path() / "saver dir" / "demo.scr";
    const auto out = scratch.path() / "arguments";
    writeScript(script, "printf '%s|' \"$@\" > '" + out.string() + ".part'\nmv '" + out.string() +
                            ".part' '" + out.string() + "'");
    SpawnLauncher launcher;
    EmulatedProcesses processes(StateRoot(scratch.path() / "root"), launcher);

    EXPECT_EQ(processes.winExec(script.string() + " /p 724", 5), 33u);
    EXPECT_EQ(tovra::test::awaitFile(out), "/p|724|");
    EXPECT_EQ(processes.winExec(scratch.file("saver dir/missing.scr") + " /p 724", 5), 2u);
}

TEST(EmulatedProcesses, CreateProcessKeepsTheChildUntilItIsTerminated) {
    TempDir scratch;
    const StateRoot root(scratch.path());
    writeScript(root.file("System32") / "demo.scr", "exit 0");
    RecordingLauncher launcher;
    {
        EmulatedProcesses processes(root, launcher);
        const auto first = processes.createProcess("\"demo.scr\" /p 724", 5);
        EXPECT_EQ(first, 4000u);
        EXPECT_EQ(launcher.requests.at(0).arguments, (std::vector<std::string>{"/p", "724"}));
        EXPECT_EQ(processes.createProcess(" /p 724", 5), kNoProcess);
        launcher.error = EACCES;
        EXPECT_EQ(processes.createProcess("demo.scr /p 1", 5), kNoProcess);
        launcher.error = 0;
        EXPECT_EQ(processes.createProcess("demo.scr /s", 5), 4001u);
        processes.terminateProcess(first);
        processes.terminateProcess(first); // released already: ignored
        processes.terminateProcess(12345); // never started here: ignored
        EXPECT_EQ(launcher.stopped, (std::vector<ChildId>{4000}));
    }
    EXPECT_EQ(launcher.stopped, (std::vector<ChildId>{4000, 4001})); // the rest at the end
    const auto logged = lines(readBytes(root.file("processes.log")));
    ASSERT_EQ(logged.size(), 6u);
    EXPECT_TRUE(logged[0].ends_with("\t[/p] [724]\t4000")) << logged[0];
    EXPECT_TRUE(logged[1].ends_with("\t0")) << logged[1];
    EXPECT_NE(logged[4].find("\tTerminateProcess\t4000"), std::string::npos) << logged[4];
}

TEST(EmulatedProcesses, OnlyTheScreenSaveCommandStartsTheScreenSaver) {
    TempDir scratch;
    const StateRoot root(scratch.path());
    RecordingLauncher launcher;
    EmulatedProcesses processes(root, launcher);

    EXPECT_EQ(processes.broadcastSystemCommand(0xF020 /* SC_MINIMIZE */, 0), 0);
    EXPECT_TRUE(launcher.requests.empty());
    EXPECT_EQ(processes.broadcastSystemCommand(kScScreenSave, 0), 0);
    ASSERT_EQ(launcher.requests.size(), 1u);
    EXPECT_EQ(launcher.requests[0], (LaunchRequest{"xdg-screensaver", {"activate"}, {}}));

    launcher.error = ENOENT; // neither xdg-screensaver nor xscreensaver
    EXPECT_EQ(processes.broadcastSystemCommand(kScScreenSave, 0), 0);
    ASSERT_EQ(launcher.requests.size(), 3u);
    EXPECT_EQ(launcher.requests[2], (LaunchRequest{"xscreensaver-command", {"-activate"}, {}}));

    const auto logged = lines(readBytes(root.file("processes.log")));
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_NE(logged[0].find("61472"), std::string::npos);
    EXPECT_NE(logged[0].find("ignored"), std::string::npos);
    EXPECT_NE(logged[1].find("started"), std::string::npos);
    EXPECT_NE(logged[2].find("failed"), std::string::npos);
}

} // namespace
} // namespace tovra::platform::emulated
