#include "platform/emulated/SpawnLauncher.h"

#include "tests/support/ScriptFiles.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tovra::platform::emulated {
namespace {

using tovra::test::awaitFile;
using tovra::test::TempDir;
using tovra::test::writeScript;

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

/// Whether the process is gone (or only waits for its parent to reap it).
bool ended(pid_t pid) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        const auto stat = tovra::test::readBytes("/proc/" + std::to_string(pid) + "/stat");
        if (stat.empty() || stat.substr(stat.rfind(')') + 2, 1) == "Z") {
            return true;
        }
        usleep(10000);
    }
    return false;
}

TEST(SpawnLauncher, AChildIsStoppedWithItsGroupEvenWhenItIgnoresTheRequest) {
    TempDir scratch;
    const auto script = scratch.path() / "stubborn";
    const auto out = scratch.path() / "pids";
    // The shell and its own child both ignore SIGTERM: only SIGKILL ends them.
    writeScript(script, "trap '' TERM\nsleep 60 &\necho $$ $! > '" + out.string() + ".part'\nmv '" +
                            out.string() + ".part' '" + out.string() + "'\nwait");
    SpawnLauncher launcher;
    ChildId child = 0;
    ASSERT_EQ(launcher.launchChild({script.string(), {}, {}}, child), 0);
    const auto pids = awaitFile(out);
    ASSERT_TRUE(pids.has_value());
    pid_t shell = 0, grandchild = 0;
    std::istringstream(*pids) >> shell >> grandchild;
    EXPECT_EQ(shell, child);
    EXPECT_EQ(::getsid(child), child); // a session of its own

    launcher.stopChild(child);
    EXPECT_TRUE(ended(child));
    EXPECT_TRUE(ended(grandchild));
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1); // reaped
    EXPECT_EQ(launcher.launchChild({scratch.file("missing"), {}, {}}, child), ENOENT);
}

} // namespace
} // namespace tovra::platform::emulated
