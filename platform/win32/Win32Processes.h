#pragma once

// WinExec and the WM_SYSCOMMAND broadcast on Windows.

#include "platform/Processes.h"

namespace tovra::platform::win32 {

class Win32Processes final : public Processes {
public:
    /// The command line goes to the call as ANSI text.
    unsigned winExec(const std::string& commandLine, int showCommand) override;
    std::intptr_t broadcastSystemCommand(std::uintptr_t wParam, std::intptr_t lParam) override;
};

} // namespace tovra::platform::win32
