#pragma once

// WinExec, CreateProcessA with TerminateProcess for a program that is stopped
// later, and the broadcast that starts the configured screen saver.

#include <cstdint>
#include <string>

namespace tovra::platform {

inline constexpr unsigned kWmSysCommand = 0x0112;
inline constexpr std::uintptr_t kScScreenSave = 0xF140;

/// A process that createProcess started (a process HANDLE); kNoProcess is none.
using ProcessHandle = std::uintptr_t;
inline constexpr ProcessHandle kNoProcess = 0;

class Processes {
public:
    virtual ~Processes() = default;

    /// WinExec(commandLine, showCommand): starts a program without waiting for
    /// it. Returns the call's result (greater than 31 on success).
    virtual unsigned winExec(const std::string& commandLine, int showCommand) = 0;

    /// CreateProcessA(nullptr, commandLine, ...) with STARTF_USESHOWWINDOW and
    /// showCommand: starts a program without waiting for it, the program read
    /// from the line as WinExec reads it, and keeps a handle to it. kNoProcess
    /// when it cannot be started.
    virtual ProcessHandle createProcess(const std::string& commandLine, int showCommand) = 0;

    /// TerminateProcess (when the process still runs) and CloseHandle: ends a
    /// process that createProcess started and releases its handle. Any other
    /// handle is ignored.
    virtual void terminateProcess(ProcessHandle process) = 0;

    /// SendMessageA(HWND_BROADCAST, WM_SYSCOMMAND, wParam, lParam).
    virtual std::intptr_t broadcastSystemCommand(std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

} // namespace tovra::platform
