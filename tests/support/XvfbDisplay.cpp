#include "tests/support/XvfbDisplay.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tovra::test {

namespace {

/// What Xvfb writes to -displayfd once it accepts connections: its number
/// and a newline. Empty when nothing comes within a generous while.
std::string readDisplayNumber(int fd) {
    std::string number;
    pollfd watch{fd, POLLIN, 0};
    while (number.find('\n') == std::string::npos && ::poll(&watch, 1, 20000) > 0) {
        std::array<char, 16> buffer{};
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got <= 0) {
            break;
        }
        number.append(buffer.data(), static_cast<std::size_t>(got));
    }
    const auto end = number.find('\n');
    return end == std::string::npos ? std::string() : number.substr(0, end);
}

} // namespace

XvfbDisplay::XvfbDisplay(int width, int height) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return;
    }
    std::vector<std::string> texts{
        "Xvfb",      "-displayfd", std::to_string(fds[1]),
        "-screen",   "0",          std::to_string(width) + "x" + std::to_string(height) + "x24",
        "-nolisten", "tcp"};
    std::vector<char*> argv;
    for (auto& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addclose(&actions, fds[0]);
    // Nothing of the test's output stays open in the server: should the test
    // die, whoever reads that output (ctest) is not kept waiting.
    ::posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int started = ::posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (started != 0) {
        pid_ = -1;
    } else if (const auto number = readDisplayNumber(fds[0]); !number.empty()) {
        name_ = ":" + number;
    }
    ::close(fds[0]);
}

XvfbDisplay::~XvfbDisplay() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

} // namespace tovra::test
