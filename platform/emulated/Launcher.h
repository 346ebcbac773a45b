#pragma once

// Starting another program without waiting for it: the emulated WinExec,
// ShellExecuteA (through xdg-open) and the screen-saver broadcast (through
// xdg-screensaver) all go through this, so that a test can see what would be
// started without starting it.

#include <string>
#include <vector>

namespace tovra::platform::emulated {

struct LaunchRequest {
    /// A path (with a slash), or a bare name looked up in PATH.
    std::string program;
    /// The arguments after the program's own name.
    std::vector<std::string> arguments;
    /// Where the program starts; empty keeps the current folder.
    std::string workingDirectory;

    friend bool operator==(const LaunchRequest&, const LaunchRequest&) = default;
};

/// A program started by launchChild: its process id, which is also its
/// process group's.
using ChildId = int;

class Launcher {
public:
    virtual ~Launcher() = default;

    /// Starts the program detached from this process: it is never waited for
    /// and never left as a zombie. 0 when it started; otherwise the errno that
    /// stopped it (ENOENT when there is no such program).
    virtual int launchDetached(const LaunchRequest& request) = 0;

    /// Starts the program as a child of this process, in a session (and
    /// process group) of its own, and keeps it to be stopped later. 0 with
    /// child set when it started; otherwise the errno that stopped it.
    virtual int launchChild(const LaunchRequest& request, ChildId& child) = 0;

    /// Ends a child that launchChild started, with its whole process group
    /// (SIGTERM, then SIGKILL when it has not ended within a second), and
    /// reaps it. A child that has ended already is only reaped.
    virtual void stopChild(ChildId child) = 0;
};

} // namespace tovra::platform::emulated

namespace tovra::platform::emulated {

/// The result WinExec and ShellExecuteA give for a start that ended with
/// error (an errno, 0 for success): success, 2 (file not found), 5 (access
/// denied), 11 (bad format) or 0 (out of resources) for anything else.
[[nodiscard]] unsigned windowsStartResult(int error, unsigned success);

} // namespace tovra::platform::emulated
