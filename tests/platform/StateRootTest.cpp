#include "platform/emulated/StateRoot.h"

#include "platform/Error.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tovra::platform::emulated {
namespace {

using test::ScopedEnvironment;
using tovra::test::TempDir;
using tovra::test::writeBytes;

std::filesystem::path accountHome() {
    const passwd* entry = ::getpwuid(::geteuid());
    return entry != nullptr ? std::filesystem::path(entry->pw_dir) : std::filesystem::path();
}

/// How a value of the environment is given in a case: left out, empty, a
/// relative path, or an absolute folder inside the test's scratch folder.
enum class Value { Unset, Empty, Relative, Absolute };

struct RootCase {
    const char* name;
    Value dataHome;
    Value home;
    /// Where the root is expected: under the scratch XDG_DATA_HOME, under the
    /// scratch HOME's .local/share, or under the account's home.
    enum { FromDataHome, FromHome, FromAccount } expected;
};

std::optional<std::string> valueFor(Value value, const std::filesystem::path& absolute) {
    switch (value) {
    case Value::Unset:
        return std::nullopt;
    case Value::Empty:
        return std::string();
    case Value::Relative:
        return std::string("relative/folder");
    case Value::Absolute:
        return absolute.string();
    }
    return std::nullopt;
}

TEST(StateRoot, FollowsTheBaseDirectoryRules) {
    const RootCase cases[] = {
        {"absolute data home wins", Value::Absolute, Value::Absolute, RootCase::FromDataHome},
        {"data home needs no HOME", Value::Absolute, Value::Unset, RootCase::FromDataHome},
        {"unset data home", Value::Unset, Value::Absolute, RootCase::FromHome},
        {"empty data home", Value::Empty, Value::Absolute, RootCase::FromHome},
        {"relative data home is ignored", Value::Relative, Value::Absolute, RootCase::FromHome},
        {"no HOME: the account's home", Value::Unset, Value::Unset, RootCase::FromAccount},
        {"empty HOME: the account's home", Value::Empty, Value::Empty, RootCase::FromAccount},
        {"relative HOME: the account's home", Value::Unset, Value::Relative, RootCase::FromAccount},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir scratch;
        ScopedEnvironment environment;
        environment.set("XDG_DATA_HOME", valueFor(c.dataHome, scratch.path() / "data"));
        environment.set("HOME", valueFor(c.home, scratch.path() / "home"));
        const std::filesystem::path expected[] = {
            scratch.path() / "data" / "TovraDesktop",
            scratch.path() / "home" / ".local" / "share" / "TovraDesktop",
            accountHome() / ".local" / "share" / "TovraDesktop",
        };
        EXPECT_EQ(StateRoot::fromEnvironment().path(), expected[c.expected]);
    }
}

TEST(StateRoot, NothingIsCreatedUntilNeededThenEveryMissingLevelIsPrivate) {
    TempDir scratch;
    ScopedEnvironment environment;
    environment.set("XDG_DATA_HOME", (scratch.path() / "a" / "b").string());
    const StateRoot root = StateRoot::fromEnvironment();
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "a"));

    ASSERT_TRUE(root.ensureFolder("Temp"));
    for (const auto& folder :
         {scratch.path() / "a", scratch.path() / "a" / "b", root.path(), root.file("Temp")}) {
        SCOPED_TRACE(folder.string());
        struct stat info {};
        ASSERT_EQ(::stat(folder.c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
}

TEST(StateRoot, AFileInTheWayIsNoFolder) {
    TempDir scratch;
    writeBytes(scratch.path() / "TovraDesktop", "not a folder");
    const StateRoot root(scratch.path() / "TovraDesktop");
    EXPECT_FALSE(root.ensure());
    EXPECT_FALSE(root.ensureFolder("System32"));
    EXPECT_FALSE(createPrivateFolders(tovra::test::unwritableFolder(scratch) / "x" / "y"));
}

} // namespace
} // namespace tovra::platform::emulated
