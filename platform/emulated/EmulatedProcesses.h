#pragma once

// WinExec, CreateProcessA, TerminateProcess and the screen-saver broadcast of
// the emulated Windows. WinExec starts programs detached, CreateProcessA as
// children kept until TerminateProcess, both through a Launcher; every start,
// stop and broadcast is a line of <root>/processes.log:
//   time, "WinExec", command line, show command, program, [argument]..., result
//   time, "CreateProcess", command line, show command, program, [argument]..., handle
//   time, "TerminateProcess", handle
//   time, "Broadcast", "WM_SYSCOMMAND <wParam> <lParam>", what was done

#include "platform/Processes.h"
#include "platform/emulated/Launcher.h"
#include "platform/emulated/StateRoot.h"

#include <filesystem>
#include <optional>
#include <set>
#include <vector>

namespace tovra::platform::emulated {

inline constexpr unsigned kWinExecStarted = 33;

class EmulatedProcesses final : public Processes {
public:
    EmulatedProcesses(StateRoot root, Launcher& launcher);
    /// Stops every process createProcess started that is still kept.
    ~EmulatedProcesses() override;
    EmulatedProcesses(const EmulatedProcesses&) = delete;
    EmulatedProcesses& operator=(const EmulatedProcesses&) = delete;

    /// Finds the program the way Windows reads the line (a quoted path, or the
    /// shortest unquoted prefix that names an existing file; a bare name is
    /// looked up in <root>/System32, then in PATH), splits the rest into
    /// arguments as the C runtime does, and starts it detached: 33 on
    /// success, 2 when no program is found, 5 or 11 when it cannot be run.
    unsigned winExec(const std::string& commandLine, int showCommand) override;

    /// Finds the program as winExec does and starts it as a child kept until
    /// terminateProcess; the handle is its process id.
    ProcessHandle createProcess(const std::string& commandLine, int showCommand) override;
    void terminateProcess(ProcessHandle process) override;

    /// SC_SCREENSAVE asks the real desktop's screen saver to start
    /// (`xdg-screensaver activate`, or `xscreensaver-command -activate` where
    /// xdg-utils is missing); any other command is logged and ignored.
    /// Returns 0, as the broadcast does.
    std::intptr_t broadcastSystemCommand(std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    struct Program {
        std::filesystem::path path;
        std::vector<std::string> arguments;
    };
    [[nodiscard]] std::optional<Program> programOf(const std::string& commandLine) const;
    void log(const std::vector<std::string>& fields);

    StateRoot root_;
    Launcher& launcher_;
    std::set<ProcessHandle> children_;
};

} // namespace tovra::platform::emulated
