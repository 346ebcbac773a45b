#pragma once

// FindWindowA, GetWindow, GetClassNameA, GetWindowRect, ShowWindow and
// SendMessageA on Windows: the real desktop's windows, its icon list included.

#include "platform/DesktopWindows.h"

namespace tovra::platform::win32 {

class Win32DesktopWindows final : public DesktopWindows {
public:
    /// An empty class name stands for any class (a null pointer).
    Hwnd findWindow(const std::string& className, const std::optional<std::string>& title) override;
    Hwnd getWindow(Hwnd window, unsigned command) override;
    std::string getClassName(Hwnd window, int maxCount) override;
    std::optional<Rect> getWindowRect(Hwnd window) override;
    bool showWindow(Hwnd window, int showCommand) override;
    std::intptr_t sendMessage(Hwnd window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
};

} // namespace tovra::platform::win32
