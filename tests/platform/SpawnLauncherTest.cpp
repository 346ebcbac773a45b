#include "platform/emulated/SpawnLauncher.h"

#include "tests/platform/ScriptFiles.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tovra::platform::emulated {
namespace {

using test::awaitFile;
using test::writeScript;
using tovra::test::TempDir;

struct ProcessStat {
    pid_t parent = 0;
    pid_t session = 0;
};

/// The parent and session fields of a /proc/<pid>/stat line.
ProcessStat parseStat(const std::string& line) {
    std::istringstream rest(line.substr(line.rfind(')') + 1));
    char state = 0;
    pid_t group = 0;
    ProcessStat stat;
    rest >> state >> stat.parent >> group >> stat.session;
    return stat;
}

TEST(SpawnLauncher, StartsARealProgramAndReportsWhyOthersCannotStart) {
    TempDir scratch;
    tovra::test::writeBytes(scratch.path() / "not-executable", "#!/bin/sh\n");
    ::chmod(scratch.file("not-executable").c_str(), 0644);
    struct Case {
        const char* name;
        LaunchRequest request;
        int expected;
    };
    const Case cases[] = {
        {"a real program", {"/bin/true", {}, {}}, 0},
        {"a bare name from PATH", {"true", {"ignored"}, {}}, 0},
        {"a missing program", {scratch.file("missing"), {}, {}}, ENOENT},
        {"a bare name nowhere in PATH", {"tovra-no-such-program", {}, {}}, ENOENT},
        {"a file that may not be run", {scratch.file("not-executable"), {}, {}}, EACCES},
        {"a working directory that is missing", {"/bin/true", {}, scratch.file("gone")}, ENOENT},
    };
    SpawnLauncher launcher;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(launcher.launchDetached(c.request), c.expected);
    }
    // Every start has been reaped already: nothing is left for us to wait for.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(SpawnLauncher, TheProgramIsDetachedAndGetsItsArgumentsAndFolder) {
    TempDir scratch;
    const auto script = scratch.path() / "with space" / "report";
    writeScript(script, "out=\"$1\"; shift\n"
                        "{ cat /proc/$$/stat; pwd; printf '%s|' \"$@\"; } > \"$out.part\"\n"
                        "mv \"$out.part\" \"$out\"");
    SpawnLauncher launcher;
    const auto out = scratch.path() / "out";
    ASSERT_EQ(launcher.launchDetached(
                  {script.string(), {out.string(), "two words", "", "x"}, scratch.path()}),
              0);
    const auto report = awaitFile(out);
    ASSERT_TRUE(report.has_value());

    std::istringstream lines(*report);
    std::string statLine, folder, arguments;
    std::getline(lines, statLine);
    std::getline(lines, folder);
    std::getline(lines, arguments);
    const ProcessStat stat = parseStat(statLine);
    EXPECT_NE(stat.parent, ::getpid());   // not our child
    EXPECT_NE(stat.session, ::getsid(0)); // not in our session
    EXPECT_EQ(folder, scratch.path().string());
    EXPECT_EQ(arguments, "two words||x|");
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
}

} // namespace
} // namespace tovra::platform::emulated
