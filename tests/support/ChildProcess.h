#pragma once

// A program that a test starts and leaves running beside it (an X server, a
// session bus, a desktop), in a process group of its own with its output
// thrown away, and stopped, with whatever it started, when the test ends.

#include <string>
#include <sys/types.h>
#include <vector>

namespace tovra::test {

class ChildProcess {
public:
    /// Starts argv[0], looked up in PATH, in the current environment. An
    /// argument "{fd}" is replaced with the number of a pipe's write end,
    /// and then the first line the program writes there (Xvfb's display
    /// number, dbus-daemon's address) is waited for.
    explicit ChildProcess(std::vector<std::string> argv);
    /// SIGTERM to the program's process group, then waits for the program.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    [[nodiscard]] bool started() const { return pid_ > 0; }
    /// What the program wrote to "{fd}" up to its first newline; empty when
    /// it wrote nothing within a generous while, or had no "{fd}".
    [[nodiscard]] const std::string& firstLine() const { return firstLine_; }

private:
    pid_t pid_ = -1;
    std::string firstLine_;
};

} // namespace tovra::test
