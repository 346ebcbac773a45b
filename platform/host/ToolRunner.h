#pragma once

// Runs one of the desktop's own programs (gsettings, xfconf-query, ...) to its
// end, for at most a given time: a program still running then is stopped,
// with whatever it started. Programs get an argument vector, never a shell
// command line; their input is empty and their output is kept. A program that
// is meant to go on running (swaybg) is started and watched for a while
// instead, and kept as this process's own child.

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace tovra::platform::host {

/// How long a desktop's program may take before it is stopped.
inline constexpr std::chrono::milliseconds kToolTimeout{5000};

struct ToolResult {
    enum class Outcome {
        Finished, // ended by itself; exitCode holds how
        NotFound, // no such program
        TimedOut, // still running at the time limit, and stopped
        Failed,   // could not be started, or ended by a signal
        Running,  // started to go on running, and still running when looked at
    };
    Outcome outcome = Outcome::Failed;
    int exitCode = -1;
    std::string output; // standard output
    std::string errors; // standard error

    [[nodiscard]] bool succeeded() const { return outcome == Outcome::Finished && exitCode == 0; }
};

/// A program started to go on running: this process's own child, stopped by
/// its process id (never its group, never a process it did not start) when
/// this goes or is given another.
class RunningTool {
public:
    RunningTool() = default;
    explicit RunningTool(int pid)
        : pid_(pid) {}
    ~RunningTool() { stop(); }
    RunningTool(RunningTool&& other) noexcept
        : pid_(std::exchange(other.pid_, -1)) {}
    RunningTool& operator=(RunningTool&& other) noexcept {
        if (this != &other) {
            stop();
            pid_ = std::exchange(other.pid_, -1);
        }
        return *this;
    }

    [[nodiscard]] bool running() const { return pid_ > 0; }
    [[nodiscard]] int pid() const { return pid_; }
    /// SIGTERM, SIGKILL after a second, and the child waited for.
    void stop();

private:
    int pid_ = -1;
};

class ToolRunner {
public:
    explicit ToolRunner(std::chrono::milliseconds timeout = kToolTimeout)
        : timeout_(timeout) {}

    /// Runs argv[0] (a path, or a name looked up in PATH) with the rest of
    /// argv as its arguments, in a process group of its own.
    [[nodiscard]] ToolResult run(const std::vector<std::string>& argv) const;

    /// Starts argv as run() does, for a program that goes on running, and
    /// watches it for settle (at most the time limit): still running then,
    /// it is handed to started and the outcome is Running; otherwise the
    /// result tells how it ended, with what it wrote on standard error.
    [[nodiscard]] ToolResult start(const std::vector<std::string>& argv,
                                   std::chrono::milliseconds settle, RunningTool& started) const;

    [[nodiscard]] std::chrono::milliseconds timeout() const { return timeout_; }

private:
    std::chrono::milliseconds timeout_;
};

/// Why a program did not do its work, for a person: "gsettings is not
/// installed", "xfconf-query did not finish within 5 s and was stopped",
/// "gsettings failed: No such schema “org.mate.background”".
[[nodiscard]] std::string describeFailure(const std::string& program, const ToolResult& result,
                                          std::chrono::milliseconds timeout);

} // namespace tovra::platform::host
