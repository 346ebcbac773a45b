#pragma once

// WinExec and the screen-saver broadcast of the emulated Windows. Programs
// start detached, through a Launcher; every start and every broadcast is a
// line of <root>/processes.log:
//   time, "WinExec", command line, show command, program, [argument]..., result
//   time, "Broadcast", "WM_SYSCOMMAND <wParam> <lParam>", what was done

#include "platform/Processes.h"
#include "platform/emulated/Launcher.h"
#include "platform/emulated/StateRoot.h"

namespace tovra::platform::emulated {

inline constexpr unsigned kWinExecStarted = 33;

class EmulatedProcesses final : public Processes {
public:
    EmulatedProcesses(StateRoot root, Launcher& launcher);

    /// Finds the program the way Windows reads the line (a quoted path, or the
    /// shortest unquoted prefix that names an existing file; a bare name is
    /// looked up in <root>/System32, then in PATH), splits the rest into
    /// arguments as the C runtime does, and starts it detached: 33 on
    /// success, 2 when no program is found, 5 or 11 when it cannot be run.
    unsigned winExec(const std::string& commandLine, int showCommand) override;

    /// SC_SCREENSAVE starts the real desktop's screen saver
    /// (`xdg-screensaver activate`); any other command is logged and ignored.
    /// Returns 0, as the broadcast does.
    std::intptr_t broadcastSystemCommand(std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    void log(const std::vector<std::string>& fields);

    StateRoot root_;
    Launcher& launcher_;
};

} // namespace tovra::platform::emulated
