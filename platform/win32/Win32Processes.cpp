#include "platform/win32/Win32Processes.h"

#include "platform/win32/AnsiText.h"

#include <windows.h>

namespace tovra::platform::win32 {

unsigned Win32Processes::winExec(const std::string& commandLine, int showCommand) {
    return ::WinExec(toAnsi(commandLine).c_str(), static_cast<UINT>(showCommand));
}

std::intptr_t Win32Processes::broadcastSystemCommand(std::uintptr_t wParam, std::intptr_t lParam) {
    return ::SendMessageA(HWND_BROADCAST, WM_SYSCOMMAND, wParam, lParam);
}

} // namespace tovra::platform::win32
