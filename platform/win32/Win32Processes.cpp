#include "platform/win32/Win32Processes.h"

#include "platform/win32/AnsiText.h"

#include <windows.h>

namespace tovra::platform::win32 {

unsigned Win32Processes::winExec(const std::string& commandLine, int showCommand) {
    return ::WinExec(toAnsi(commandLine).c_str(), static_cast<UINT>(showCommand));
}

Win32Processes::~Win32Processes() {
    for (const ProcessHandle process : std::set<ProcessHandle>(processes_)) {
        terminateProcess(process);
    }
}

ProcessHandle Win32Processes::createProcess(const std::string& commandLine, int showCommand) {
    // CreateProcessA may write into the line it is given.
    std::string line = toAnsi(commandLine);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION started{};
    if (line.empty() || !::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                          nullptr, &startup, &started)) {
        return kNoProcess;
    }
    ::CloseHandle(started.hThread);
    const auto handle = reinterpret_cast<ProcessHandle>(started.hProcess);
    processes_.insert(handle);
    return handle;
}

void Win32Processes::terminateProcess(ProcessHandle process) {
    if (processes_.erase(process) == 0) {
        return;
    }
    const auto handle = reinterpret_cast<HANDLE>(process);
    if (::WaitForSingleObject(handle, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(handle, 0);
        ::WaitForSingleObject(handle, 5000);
    }
    ::CloseHandle(handle);
}

std::intptr_t Win32Processes::broadcastSystemCommand(std::uintptr_t wParam, std::intptr_t lParam) {
    return ::SendMessageA(HWND_BROADCAST, WM_SYSCOMMAND, wParam, lParam);
}

} // namespace tovra::platform::win32
