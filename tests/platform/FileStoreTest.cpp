#include "platform/emulated/FileStore.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tovra::platform::emulated {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(FileStore, ReplaceCreatesReplacesAndLeavesNoTemporaryBehind) {
    TempDir dir;
    const auto file = dir.path() / "state.txt";
    ASSERT_TRUE(replaceFile(file, "first"));
    ASSERT_TRUE(replaceFile(file, "second, longer"));
    EXPECT_EQ(readBytes(file), "second, longer");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(FileStore, ReplaceKeepsTheModeOfAnExistingFile) {
    TempDir dir;
    const auto file = dir.path() / "state.txt";
    writeBytes(file, "old");
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(replaceFile(file, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(FileStore, ReadOnlyFileIsRefusedAndKept) {
    TempDir dir;
    const auto file = dir.path() / "state.txt";
    writeBytes(file, "precious");
    ::chmod(file.c_str(), 0444);
    EXPECT_FALSE(replaceFile(file, "lost"));
    EXPECT_EQ(readBytes(file), "precious");
}

TEST(FileStore, UnwritableFolderIsRefused) {
    TempDir dir;
    EXPECT_FALSE(replaceFile(test::unwritableFolder(dir) / "state.txt", "x"));
}

TEST(FileStore, LinksThatLoopAreRefusedAndKept) {
    TempDir dir;
    const auto first = dir.path() / "first.ini";
    const auto second = dir.path() / "second.ini";
    std::filesystem::create_symlink(second.filename(), first);
    std::filesystem::create_symlink(first.filename(), second);
    EXPECT_FALSE(replaceFile(first, "x"));
    EXPECT_FALSE(FileWriteLock(first).locked());
    EXPECT_TRUE(std::filesystem::is_symlink(first));
    EXPECT_TRUE(std::filesystem::is_symlink(second));
}

TEST(FileStore, ReadTellsAMissingFileFromAnEmptyOne) {
    TempDir dir;
    std::error_code error;
    EXPECT_FALSE(readFile(dir.path() / "missing", error).has_value());
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
    writeBytes(dir.path() / "empty", "");
    const auto empty = readFile(dir.path() / "empty", error);
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->empty());
    EXPECT_FALSE(error);
}

TEST(FileStore, DirectoryLockExcludesAnotherProcess) {
    TempDir dir;
    const auto marker = dir.path() / "marker";
    auto lock = std::make_unique<DirectoryLock>(dir.path());
    ASSERT_TRUE(lock->locked());
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child's copy of the parent's descriptor would keep the parent's
        // lock alive; drop it, then wait for the parent to let go.
        lock.reset();
        DirectoryLock childLock(dir.path());
        writeBytes(marker, std::filesystem::exists(dir.path() / "released") ? "after" : "before");
        ::_exit(0);
    }
    ::usleep(100 * 1000);
    EXPECT_FALSE(std::filesystem::exists(marker)); // the child is still waiting
    writeBytes(dir.path() / "released", "");
    lock.reset();
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(readBytes(marker), "after");
}

} // namespace
} // namespace tovra::platform::emulated
