#pragma once

// WinExec and the broadcast that starts the configured screen saver.

#include <cstdint>
#include <string>

namespace tovra::platform {

inline constexpr unsigned kWmSysCommand = 0x0112;
inline constexpr std::uintptr_t kScScreenSave = 0xF140;

class Processes {
public:
    virtual ~Processes() = default;

    /// WinExec(commandLine, showCommand): starts a program without waiting for
    /// it. Returns the call's result (greater than 31 on success).
    virtual unsigned winExec(const std::string& commandLine, int showCommand) = 0;

    /// SendMessageA(HWND_BROADCAST, WM_SYSCOMMAND, wParam, lParam).
    virtual std::intptr_t broadcastSystemCommand(std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

} // namespace tovra::platform
