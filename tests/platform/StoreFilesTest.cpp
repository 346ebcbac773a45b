// The settings file and registry.reg as files on disk: writers killed in the
// middle of a write, and files that are symbolic links.

#include "tests/platform/NumberedStores.h"
#include "tests/support/TempDir.h"

#include <array>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <poll.h>
#include <set>
#include <sstream>
#include <stdexcept>
#include <sys/inotify.h>
#include <sys/wait.h>
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

/// tovra_store_writer running with its standard output on a pipe; killed and
/// reaped at the latest when the object goes.
class Writer {
public:
    Writer(const NumberedStore& store, const std::filesystem::path& folder, long first) {
        std::array<int, 2> ends{};
        if (::pipe(ends.data()) != 0) {
            throw std::runtime_error("no pipe");
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(ends[1], STDOUT_FILENO);
            ::close(ends[0]);
            ::close(ends[1]);
            const std::string number = std::to_string(first);
            ::execl(TOVRA_STORE_WRITER, TOVRA_STORE_WRITER, store.name, folder.c_str(),
                    number.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(ends[1]);
        output_ = ends[0];
    }
    ~Writer() {
        kill();
        ::close(output_);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    [[nodiscard]] int output() const { return output_; }

    void kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

    /// The numbers of the writes that returned, read to the end of the output.
    std::set<long> returned() {
        std::string text;
        std::array<char, 4096> buffer{};
        ssize_t got = 0;
        while ((got = ::read(output_, buffer.data(), buffer.size())) > 0) {
            text.append(buffer.data(), static_cast<std::size_t>(got));
        }
        std::set<long> numbers;
        std::istringstream lines(text);
        for (long number = 0; lines >> number;) {
            numbers.insert(number);
        }
        return numbers;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

/// Tells when files are created in a folder.
class Creations {
public:
    explicit Creations(const std::filesystem::path& folder)
        : fd_(::inotify_init1(IN_CLOEXEC | IN_NONBLOCK)) {
        ::inotify_add_watch(fd_, folder.c_str(), IN_CREATE);
    }
    ~Creations() { ::close(fd_); }
    Creations(const Creations&) = delete;
    Creations& operator=(const Creations&) = delete;

    /// Waits until count files whose names start with prefix have been
    /// created. False when the writer's output ends first (it stopped by
    /// itself) or nothing happens for a minute.
    bool await(const std::string& prefix, int count, int writerOutput) {
        while (count > 0) {
            std::array<pollfd, 2> watched{{{fd_, POLLIN, 0}, {writerOutput, 0, 0}}};
            if (::poll(watched.data(), watched.size(), 60'000) <= 0 ||
                (watched[1].revents & POLLHUP) != 0) {
                return false;
            }
            count -= take(prefix);
        }
        return true;
    }

    /// Forgets the creations not yet awaited.
    void drain() {
        alignas(inotify_event) std::array<char, 4096> buffer{};
        while (::read(fd_, buffer.data(), buffer.size()) > 0) {
        }
    }

private:
    /// Reads the events that are there; the number of creations named prefix.
    int take(const std::string& prefix) {
        alignas(inotify_event) std::array<char, 4096> buffer{};
        const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
        int count = 0;
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            count += event->len > 0 && std::string(event->name).starts_with(prefix) ? 1 : 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
        return count;
    }

    int fd_;
};

TEST_P(StoreFiles, KilledWritersLeaveNoTemporaryAndLoseNoReturnedWrite) {
    constexpr int kKills = 30;
    const NumberedStore& store = GetParam();
    TempDir dir;
    // A large file makes each write take long enough to be caught in the middle.
    writeBytes(dir.path() / store.fileName, store.filler(4'000));
    Creations creations(dir.path());
    std::set<long> returned;
    int left = 0; // by the kills, each counted before the next writer starts
    for (int kill = 0; kill < kKills; ++kill) {
        Writer writer(store, dir.path(), kill * 1000L);
        // The kill lands right after the writer made its first, second or
        // third temporary file: inside a write, whatever the machine's speed.
        ASSERT_TRUE(creations.await(temporaryPrefix(store), 1 + kill % 3, writer.output()))
            << "the writer stopped by itself";
        writer.kill();
        creations.drain();
        returned.merge(writer.returned());
        left += temporariesIn(dir.path(), store);
    }
    std::cout << kKills << " kills left " << left << " temporary files; " << returned.size()
              << " writes had returned\n";
    ASSERT_GT(left, 0) << "no kill caught a write in the middle: this test proves nothing";

    ASSERT_TRUE(store.write(dir.path(), -1));
    EXPECT_EQ(temporariesIn(dir.path(), store), 0);
    for (const long number : returned) {
        EXPECT_TRUE(store.holds(dir.path(), number)) << "write " << number << " was lost";
    }
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
