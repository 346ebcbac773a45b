#include "platform/host/ToolRunner.h"

#include "platform/emulated/ProgramSearch.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tovra::platform::host {

namespace {

using Clock = std::chrono::steady_clock;

/// More output than any of the desktop's programs gives is cut here.
constexpr std::size_t kOutputLimit = 1u << 20;
/// How often a running program is looked at while its output is quiet.
constexpr std::chrono::milliseconds kPollSlice{20};

/// A pipe's two ends, closed when it goes.
class Pipe {
public:
    Pipe() {
        if (::pipe2(fds_.data(), O_CLOEXEC) != 0) {
            fds_ = {-1, -1};
        }
    }
    ~Pipe() {
        closeRead();
        closeWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    [[nodiscard]] bool valid() const { return fds_[0] >= 0; }
    [[nodiscard]] int readEnd() const { return fds_[0]; }
    [[nodiscard]] int writeEnd() const { return fds_[1]; }
    void closeRead() { closeEnd(0); }
    void closeWrite() { closeEnd(1); }

private:
    void closeEnd(std::size_t end) {
        if (fds_[end] >= 0) {
            ::close(fds_[end]);
            fds_[end] = -1;
        }
    }
    std::array<int, 2> fds_{-1, -1};
};

/// posix_spawn's attributes and file actions, destroyed when they go.
class SpawnSetup {
public:
    /// Standard output to out (/dev/null where it is below 0), error to err.
    SpawnSetup(int out, int err) {
        ::posix_spawnattr_init(&attributes_);
        ::posix_spawn_file_actions_init(&actions_);
        // A process group of its own, so that the stop reaches what it started;
        // default signal handling and no blocked signals, whatever this
        // process set for itself.
        sigset_t none;
        sigset_t all;
        ::sigemptyset(&none);
        ::sigfillset(&all);
        ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                                     POSIX_SPAWN_SETSIGDEF);
        ::posix_spawnattr_setpgroup(&attributes_, 0);
        ::posix_spawnattr_setsigmask(&attributes_, &none);
        ::posix_spawnattr_setsigdefault(&attributes_, &all);
        ::posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
        if (out >= 0) {
            ::posix_spawn_file_actions_adddup2(&actions_, out, 1);
        } else {
            ::posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
        }
        ::posix_spawn_file_actions_adddup2(&actions_, err, 2);
    }
    ~SpawnSetup() {
        ::posix_spawn_file_actions_destroy(&actions_);
        ::posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    [[nodiscard]] const posix_spawnattr_t* attributes() const { return &attributes_; }
    [[nodiscard]] const posix_spawn_file_actions_t* actions() const { return &actions_; }

private:
    posix_spawnattr_t attributes_{};
    posix_spawn_file_actions_t actions_{};
};

/// Reads what is there without waiting; false once the pipe has closed.
bool drain(int fd, std::string& into) {
    std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got > 0) {
            const auto room = kOutputLimit - std::min(kOutputLimit, into.size());
            into.append(buffer.data(), std::min(room, static_cast<std::size_t>(got)));
            continue;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}

/// Waits for output on the pipes still open, for at most slice.
void awaitOutput(Pipe& out, Pipe& err, std::string& output, std::string& errors,
                 std::chrono::milliseconds slice) {
    std::array<pollfd, 2> fds{pollfd{out.readEnd(), POLLIN, 0}, pollfd{err.readEnd(), POLLIN, 0}};
    if (::poll(fds.data(), fds.size(), static_cast<int>(slice.count())) <= 0) {
        return;
    }
    if (fds[0].revents != 0 && !drain(out.readEnd(), output)) {
        out.closeRead();
    }
    if (fds[1].revents != 0 && !drain(err.readEnd(), errors)) {
        err.closeRead();
    }
}

void setNonBlocking(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

/// Starts the program at path with argv, its output going to out and err;
/// 0 when it could not be started.
pid_t spawn(const std::filesystem::path& path, const std::vector<std::string>& argv, int out,
            int err) {
    std::vector<std::string> texts = argv;
    std::vector<char*> arguments;
    for (auto& text : texts) {
        arguments.push_back(text.data());
    }
    arguments.push_back(nullptr);
    pid_t pid = 0;
    const SpawnSetup setup(out, err);
    if (::posix_spawn(&pid, path.c_str(), setup.actions(), setup.attributes(), arguments.data(),
                      environ) != 0) {
        return 0;
    }
    return pid;
}

/// What a file holds from its start, up to the output limit.
std::string readFromStart(int fd) {
    std::string text;
    std::array<char, 4096> buffer{};
    off_t at = 0;
    while (text.size() < kOutputLimit) {
        const ssize_t got = ::pread(fd, buffer.data(), buffer.size(), at);
        if (got <= 0) {
            break;
        }
        text.append(buffer.data(), static_cast<std::size_t>(got));
        at += got;
    }
    return text;
}

/// A descriptor closed when it goes.
struct OwnedFd {
    int fd;
    ~OwnedFd() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

ToolResult finished(int status) {
    ToolResult result;
    if (WIFEXITED(status)) {
        result.outcome = ToolResult::Outcome::Finished;
        result.exitCode = WEXITSTATUS(status);
    }
    return result;
}

} // namespace

ToolResult ToolRunner::run(const std::vector<std::string>& argv) const {
    ToolResult result;
    const auto path = argv.empty() ? std::nullopt : emulated::findProgram(argv.front());
    if (!path) {
        result.outcome = ToolResult::Outcome::NotFound;
        return result;
    }
    Pipe out;
    Pipe err;
    if (!out.valid() || !err.valid()) {
        return result;
    }
    const pid_t pid = spawn(*path, argv, out.writeEnd(), err.writeEnd());
    if (pid <= 0) {
        return result;
    }
    out.closeWrite();
    err.closeWrite();
    setNonBlocking(out.readEnd());
    setNonBlocking(err.readEnd());

    std::string output;
    std::string errors;
    const auto deadline = Clock::now() + timeout_;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) {
            break;
        }
        if (Clock::now() >= deadline) {
            ::kill(-pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            result.outcome = ToolResult::Outcome::TimedOut;
            return result;
        }
        awaitOutput(out, err, output, errors, kPollSlice);
    }
    // What it wrote last; a child it left behind may hold the pipes open, so
    // nothing more is waited for.
    if (out.readEnd() >= 0) {
        drain(out.readEnd(), output);
    }
    if (err.readEnd() >= 0) {
        drain(err.readEnd(), errors);
    }
    result = finished(status);
    result.output = std::move(output);
    result.errors = std::move(errors);
    return result;
}

ToolResult ToolRunner::start(const std::vector<std::string>& argv, std::chrono::milliseconds settle,
                             RunningTool& started) const {
    ToolResult result;
    const auto path = argv.empty() ? std::nullopt : emulated::findProgram(argv.front());
    if (!path) {
        result.outcome = ToolResult::Outcome::NotFound;
        return result;
    }
    // Its errors go to a file in memory rather than a pipe: a pipe that
    // nobody reads would stop a program that keeps on logging.
    const OwnedFd errors{::memfd_create("tool-errors", MFD_CLOEXEC)};
    if (errors.fd < 0) {
        return result;
    }
    const pid_t pid = spawn(*path, argv, -1, errors.fd);
    if (pid <= 0) {
        return result;
    }
    const auto deadline = Clock::now() + std::min(settle, timeout_);
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) {
            result = finished(status);
            result.errors = readFromStart(errors.fd);
            return result;
        }
        if (Clock::now() >= deadline) {
            started = RunningTool(pid);
            result.outcome = ToolResult::Outcome::Running;
            return result;
        }
        std::this_thread::sleep_for(kPollSlice);
    }
}

void RunningTool::stop() {
    if (pid_ <= 0) {
        return;
    }
    ::kill(pid_, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            ::kill(pid_, SIGKILL);
            while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
            }
            break;
        }
        std::this_thread::sleep_for(kPollSlice);
    }
    pid_ = -1;
}

std::string describeFailure(const std::string& program, const ToolResult& result,
                            std::chrono::milliseconds timeout) {
    switch (result.outcome) {
    case ToolResult::Outcome::NotFound:
        return program + " is not installed";
    case ToolResult::Outcome::TimedOut:
        return program + " did not finish within " +
               (timeout.count() % 1000 == 0 ? std::to_string(timeout.count() / 1000) + " s"
                                            : std::to_string(timeout.count()) + " ms") +
               " and was stopped";
    case ToolResult::Outcome::Failed:
        return program + " could not be run";
    case ToolResult::Outcome::Running:
        return program + " is running";
    case ToolResult::Outcome::Finished:
        break;
    }
    std::string firstLine = result.errors.substr(0, result.errors.find('\n'));
    if (firstLine.empty()) {
        firstLine = "exit status " + std::to_string(result.exitCode);
    }
    return program + " failed: " + firstLine;
}

} // namespace tovra::platform::host
