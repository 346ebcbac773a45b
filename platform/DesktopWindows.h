#pragma once

// Finding and talking to other programs' windows: FindWindowA, GetWindow,
// GetClassNameA, GetWindowRect, ShowWindow and SendMessageA. The desktop's
// icon list (Progman > SHELLDLL_DefView > SysListView32) and the taskbar
// ("Shell_TrayWnd") are reached through these.

#include "platform/Types.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tovra::platform {

inline constexpr unsigned kGwChild = 5;

inline constexpr unsigned kLvmGetItemCount = 0x1004;
inline constexpr unsigned kLvmRedrawItems = 0x1015;
inline constexpr unsigned kLvmSetTextColor = 0x1024;
inline constexpr unsigned kLvmSetTextBkColor = 0x1026;
inline constexpr std::uint32_t kClrNone = 0xFFFFFFFFu;

class DesktopWindows {
public:
    virtual ~DesktopWindows() = default;

    /// FindWindowA(className, title); no title stands for a null pointer.
    virtual Hwnd findWindow(const std::string& className,
                            const std::optional<std::string>& title) = 0;
    /// GetWindow(window, command); 0 when there is none.
    virtual Hwnd getWindow(Hwnd window, unsigned command) = 0;
    /// GetClassNameA with a buffer of maxCount characters: the class name cut
    /// to maxCount - 1 bytes; empty when the window does not exist.
    virtual std::string getClassName(Hwnd window, int maxCount) = 0;
    /// GetWindowRect; nothing when the window does not exist.
    virtual std::optional<Rect> getWindowRect(Hwnd window) = 0;
    /// ShowWindow; true when the window was visible before.
    virtual bool showWindow(Hwnd window, int showCommand) = 0;
    /// SendMessageA.
    virtual std::intptr_t sendMessage(Hwnd window, unsigned message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
};

} // namespace tovra::platform
