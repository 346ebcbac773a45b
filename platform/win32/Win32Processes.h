#pragma once

// WinExec, CreateProcessA with TerminateProcess, and the WM_SYSCOMMAND
// broadcast on Windows.

#include "platform/Processes.h"

#include <set>

namespace tovra::platform::win32 {

class Win32Processes final : public Processes {
public:
    Win32Processes() = default;
    /// Closes the handles of the processes still kept, and ends them.
    ~Win32Processes() override;
    Win32Processes(const Win32Processes&) = delete;
    Win32Processes& operator=(const Win32Processes&) = delete;

    /// The command line goes to the call as ANSI text.
    unsigned winExec(const std::string& commandLine, int showCommand) override;
    /// The handle is the process HANDLE, kept open until terminateProcess.
    ProcessHandle createProcess(const std::string& commandLine, int showCommand) override;
    void terminateProcess(ProcessHandle process) override;
    std::intptr_t broadcastSystemCommand(std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    std::set<ProcessHandle> processes_;
};

} // namespace tovra::platform::win32
