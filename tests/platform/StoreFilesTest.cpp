// The settings file and registry.reg as files on disk: writers killed in the
// middle of a write, writers at once, a full disk, and files that are
// symbolic links.

#include "settings/IniFile.h"
#include "tests/platform/NumberedStores.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iostream>
#include <poll.h>
#include <random>
#include <sstream>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tovra::test {
namespace {

class StoreFiles : public ::testing::TestWithParam<NumberedStore> {};

std::string temporaryPrefix(const NumberedStore& store) {
    return std::string(".") + store.fileName + ".tmp-";
}

int temporariesIn(const std::filesystem::path& folder, const NumberedStore& store) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        count += entry.path().filename().string().starts_with(temporaryPrefix(store)) ? 1 : 0;
    }
    return count;
}

/// Starts tovra_store_writer on the stores (names joined by commas) with its
/// standard output appended to log; it writes count numbers, or until killed
/// when count is empty.
pid_t startWriter(const std::string& stores, const std::filesystem::path& folder, long first,
                  const std::filesystem::path& log, const std::string& count = {}) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600), STDOUT_FILENO);
        const std::string number = std::to_string(first);
        ::execl(TOVRA_STORE_WRITER, TOVRA_STORE_WRITER, stores.c_str(), folder.c_str(),
                number.c_str(), count.empty() ? nullptr : count.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

pid_t startWriter(const NumberedStore& store, const std::filesystem::path& folder, long first,
                  const std::filesystem::path& log) {
    return startWriter(store.name, folder, first, log);
}

std::set<long> loggedNumbers(const std::filesystem::path& log) {
    std::istringstream lines(readBytes(log));
    std::set<long> numbers;
    for (long number = 0; lines >> number;) {
        numbers.insert(number);
    }
    return numbers;
}

/// Whether the store's file parses and holds every number.
::testing::AssertionResult holdsAll(const NumberedStore& store,
                                    const std::filesystem::path& folder,
                                    const std::set<long>& numbers) {
    const auto held = store.entries(folder);
    if (!held) {
        return ::testing::AssertionFailure() << store.fileName << " no longer parses";
    }
    for (const long number : numbers) {
        if (!held->contains(number)) {
            return ::testing::AssertionFailure() << "write " << number << " was lost";
        }
    }
    return ::testing::AssertionSuccess();
}

/// Reads the events that inotify holds; the number of files created whose
/// names start with prefix.
int takeCreations(int inotify, const std::string& prefix) {
    alignas(inotify_event) std::array<char, 4096> buffer{};
    int count = 0;
    for (ssize_t got = 0; (got = ::read(inotify, buffer.data(), buffer.size())) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            count += event->len > 0 && std::string(event->name).starts_with(prefix) ? 1 : 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return count;
}

/// Waits until count such files were created; false when nothing happens for a minute.
bool awaitCreations(int inotify, const std::string& prefix, int count) {
    for (pollfd watched{inotify, POLLIN, 0}; count > 0; count -= takeCreations(inotify, prefix)) {
        if (::poll(&watched, 1, 60'000) <= 0) {
            return false;
        }
    }
    return true;
}

TEST_P(StoreFiles, KilledWritersLeaveNoTemporaryAndLoseNoReturnedWrite) {
    constexpr int kKills = 30;
    const NumberedStore& store = GetParam();
    TempDir dir;
    const auto folder = dir.path() / "store";
    std::filesystem::create_directory(folder);
    // A large file makes each write take long enough to be caught in the middle.
    writeBytes(folder / store.fileName, store.filler(1'000));
    const int inotify = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    ::inotify_add_watch(inotify, folder.c_str(), IN_CREATE);
    int left = 0; // by each kill, counted before the next writer starts
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t writer = startWriter(store, folder, kill * 1000L, dir.path() / "returned");
        // The kill lands right after the writer made its first, second or
        // third temporary file: inside a write, whatever the machine's speed.
        const bool caught = awaitCreations(inotify, temporaryPrefix(store), 1 + kill % 3);
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        takeCreations(inotify, {}); // forgets the files made after the one awaited
        ASSERT_TRUE(caught) << "the writer stopped by itself";
        left += temporariesIn(folder, store);
    }
    ::close(inotify);
    std::istringstream returned(readBytes(dir.path() / "returned"));
    std::cout << kKills << " kills left " << left << " temporary files\n";
    ASSERT_GT(left, 0) << "no kill caught a write in the middle: this test proves nothing";

    ASSERT_TRUE(store.write(folder, -1));
    EXPECT_EQ(temporariesIn(folder, store), 0);
    int checked = 0;
    for (long number = 0; returned >> number; ++checked) {
        EXPECT_TRUE(store.holds(folder, number)) << "write " << number << " was lost";
    }
    EXPECT_GT(checked, 0);
    std::cout << "after one ordinary write: " << temporariesIn(folder, store)
              << " temporary files; " << checked << " returned writes checked\n";
}

TEST_P(StoreFiles, KillsAtRandomMomentsOfAThousandWritesLeaveTheFileWholeAndLoseNothing) {
    constexpr std::size_t kWrites = 1000;
    const NumberedStore& store = GetParam();
    TempDir dir;
    const auto folder = dir.path() / "store";
    std::filesystem::create_directory(folder);
    writeBytes(folder / store.fileName, store.filler(200));
    const int inotify = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    ::inotify_add_watch(inotify, folder.c_str(), IN_CREATE);
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> writesBeforeKill(1, 12);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    std::set<long> returned;
    int kills = 0;
    for (; returned.size() < kWrites; ++kills) {
        const auto log = dir.path() / ("returned-" + std::to_string(kills));
        const pid_t writer = startWriter(store, folder, kills * 100'000L, log);
        const bool caught =
            awaitCreations(inotify, temporaryPrefix(store), writesBeforeKill(random));
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        takeCreations(inotify, {});
        ASSERT_TRUE(caught) << "the writer stopped by itself (seed " << seed << ")";
        returned.merge(loggedNumbers(log));
        ASSERT_TRUE(holdsAll(store, folder, returned)) << "after kill " << kills << ", seed " << seed;
    }
    ::close(inotify);
    std::cout << kills << " kills during " << returned.size() << " returned writes to "
              << store.fileName << " (seed " << seed << "): the file parsed after every kill and "
              << "held every returned write\n";
}

TEST(StoreFilesAtOnce, FourWritersOfBothFilesLoseNoneOfTheirWrites) {
#if defined(__SANITIZE_ADDRESS__)
    // 8,000 whole-file rewrites of files growing to 4,000 entries take the
    // unoptimised, instrumented writers over ten minutes; the plain build
    // runs the same writers' logic in a few.
    GTEST_SKIP() << "too slow under the sanitizers; run by the plain build";
#endif
    constexpr long kEach = 1000;
    constexpr int kWriters = 4;
    TempDir dir;
    const auto folder = dir.path() / "store";
    std::filesystem::create_directory(folder);
    std::vector<pid_t> writers;
    for (int i = 0; i < kWriters; ++i) {
        writers.push_back(startWriter("Settings,Registry", folder, i * kEach,
                                      dir.path() / "returned", std::to_string(kEach)));
    }
    for (const pid_t writer : writers) {
        int status = 0;
        ::waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer failed";
    }
    std::set<long> all;
    for (long number = 0; number < kWriters * kEach; ++number) {
        all.insert(number);
    }
    for (const NumberedStore& store : numberedStores()) {
        EXPECT_TRUE(holdsAll(store, folder, all)) << store.fileName;
        EXPECT_EQ(store.entries(folder).value_or(std::set<long>{}).size(), all.size());
    }
}

/// Runs body in a child process whose files may grow to at most limit bytes
/// (a full disk as a writer meets it); true when the child returned 0.
template <typename Body>
bool withFileSizeLimit(rlim_t limit, Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails with EFBIG instead
        const rlimit small{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_P(StoreFiles, AFullDiskRefusesTheWriteAndKeepsTheFile) {
    const NumberedStore& store = GetParam();
    TempDir dir;
    const auto folder = dir.path() / "store";
    std::filesystem::create_directory(folder);
    writeBytes(folder / store.fileName, store.filler(50));
    ASSERT_TRUE(store.write(folder, 1));
    const std::string before = readBytes(folder / store.fileName);

    EXPECT_TRUE(withFileSizeLimit(before.size(), [&] {
        // Refused, the file as it was, and the process goes on.
        const bool refused = !store.write(folder, 2);
        return refused && readBytes(folder / store.fileName) == before && store.holds(folder, 1)
                   ? 0
                   : 1;
    }));
    EXPECT_EQ(readBytes(folder / store.fileName), before);
    EXPECT_EQ(temporariesIn(folder, store), 0);
}

TEST(StoreFilesFullDisk, TheSettingsFileReportsWhereItCouldNotWrite) {
    TempDir dir;
    const std::string file = dir.file("TovraDesktop.ini");
    writeBytes(file, "[TovraDesktop]\r\ntime=60\r\n");
    EXPECT_TRUE(withFileSizeLimit(10, [&] {
        platform::emulated::EmulatedProfileFiles profiles;
        settings::IniFile ini(profiles, file);
        try {
            ini.writeString("TovraDesktop", "time", "120");
        } catch (const settings::IniFileError& error) {
            return std::string(error.what()) == "Unable to write to " + file &&
                           ini.readString("TovraDesktop", "time", "") == "60"
                       ? 0
                       : 1;
        }
        return 1;
    }));
}

TEST_P(StoreFiles, LinkIsWrittenThroughAndStaysALink) {
    const NumberedStore& store = GetParam();
    TempDir dir;
    const auto own = dir.path() / "dotfiles";
    const auto folder = dir.path() / "program";
    std::filesystem::create_directories(own);
    std::filesystem::create_directories(folder);
    const auto link = folder / store.fileName;
    const auto target = own / store.fileName;
    writeBytes(target, store.filler(2));
    std::filesystem::create_symlink(std::filesystem::path("..") / "dotfiles" / store.fileName,
                                    link);

    ASSERT_TRUE(store.write(folder, 7));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_NE(readBytes(target).find("n7"), std::string::npos);
    EXPECT_NE(readBytes(target).find("filler-1"), std::string::npos);
    EXPECT_TRUE(store.holds(folder, 7));
    EXPECT_EQ(temporariesIn(folder, store) + temporariesIn(own, store), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, StoreFiles, ::testing::ValuesIn(numberedStores()),
                         [](const ::testing::TestParamInfo<NumberedStore>& tested) {
                             return std::string(tested.param.name);
                         });

} // namespace
} // namespace tovra::test
