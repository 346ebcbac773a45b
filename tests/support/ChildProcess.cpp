#include "tests/support/ChildProcess.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tovra::test {

namespace {

constexpr std::string_view kAnnounceFd = "{fd}";

/// The first line written to fd, without its newline; empty when none comes
/// within a generous while (a loaded machine starts an X server slowly).
std::string readFirstLine(int fd) {
    std::string text;
    pollfd watch{fd, POLLIN, 0};
    while (text.find('\n') == std::string::npos && ::poll(&watch, 1, 20000) > 0) {
        std::array<char, 256> buffer{};
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got <= 0) {
            break;
        }
        text.append(buffer.data(), static_cast<std::size_t>(got));
    }
    const auto end = text.find('\n');
    return end == std::string::npos ? std::string() : text.substr(0, end);
}

} // namespace

ChildProcess::ChildProcess(std::vector<std::string> argv) {
    int fds[2] = {-1, -1};
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return;
    }
    bool announces = false;
    for (auto& argument : argv) {
        if (const auto at = argument.find(kAnnounceFd); at != std::string::npos) {
            argument.replace(at, kAnnounceFd.size(), std::to_string(fds[1]));
            announces = true;
        }
    }
    std::vector<char*> arguments;
    for (auto& argument : argv) {
        arguments.push_back(argument.data());
    }
    arguments.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    // The write end stays open in a program that announces (dup2 onto itself
    // clears close-on-exec). Nothing of the test's output stays open in it:
    // should the test die, whoever reads that output (ctest) is not kept
    // waiting.
    if (announces) {
        ::posix_spawn_file_actions_adddup2(&actions, fds[1], fds[1]);
    }
    ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    ::posix_spawnattr_setpgroup(&attributes, 0);
    if (::posix_spawnp(&pid_, arguments.front(), &actions, &attributes, arguments.data(),
                       environ) != 0) {
        pid_ = -1;
    }
    ::posix_spawnattr_destroy(&attributes);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (pid_ > 0 && announces) {
        firstLine_ = readFirstLine(fds[0]);
    }
    ::close(fds[0]);
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        ::kill(-pid_, SIGTERM);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

} // namespace tovra::test
