#pragma once

// FindWindowA, GetWindow, GetClassNameA, GetWindowRect, ShowWindow and
// SendMessageA of the emulated Windows, over a small fixed window table:
//
//   "Progman" (the desktop, "Program Manager")
//     > "SHELLDLL_DefView"
//       > "SysListView32" (the desktop's icon list, "FolderView")
//   "Shell_TrayWnd" (the taskbar: the real desktop's panel strip, when it has one)
//
// No Explorer folder window ("CabinetWClass") is ever found. The desktop and
// its children cover the whole primary screen of the real desktop.

#include "platform/DesktopWindows.h"
#include "platform/NativePlatform.h"
#include "platform/emulated/DesktopIconList.h"

namespace tovra::platform::emulated {

inline constexpr Hwnd kProgmanWindow = 0x00010010;
inline constexpr Hwnd kDefViewWindow = 0x00010012;
inline constexpr Hwnd kIconListWindow = 0x00010014;
inline constexpr Hwnd kTrayWindow = 0x00010016;

inline constexpr unsigned kLvmGetTextColor = 0x1023;
inline constexpr unsigned kLvmGetTextBkColor = 0x1025;
inline constexpr unsigned kGwOwner = 4;

class EmulatedDesktopWindows final : public DesktopWindows {
public:
    EmulatedDesktopWindows(HostDesktop& host, DesktopIconList& iconList);

    /// Top-level windows only, the taskbar first (it stays on top). Class and
    /// title compare without regard to case; an empty class stands for any.
    Hwnd findWindow(const std::string& className, const std::optional<std::string>& title) override;
    /// GW_CHILD: the first child. Every other command: 0.
    Hwnd getWindow(Hwnd window, unsigned command) override;
    std::string getClassName(Hwnd window, int maxCount) override;
    std::optional<Rect> getWindowRect(Hwnd window) override;
    /// The icon list keeps SW_HIDE / any other command as hidden / shown.
    /// The real desktop and panel are never hidden: for them nothing changes
    /// and the answer is that they were visible.
    bool showWindow(Hwnd window, int showCommand) override;
    /// The icon list answers LVM_GETITEMCOUNT, LVM_SETTEXTCOLOR,
    /// LVM_SETTEXTBKCOLOR (TRUE when stored), LVM_GETTEXTCOLOR,
    /// LVM_GETTEXTBKCOLOR and LVM_REDRAWITEMS (counted). Anything else, and any
    /// message to another window: 0.
    std::intptr_t sendMessage(Hwnd window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;

private:
    /// Whether the window is there now: the taskbar comes and goes with the
    /// real desktop's panel.
    [[nodiscard]] bool exists(Hwnd window) const;
    std::intptr_t sendToIconList(unsigned message, std::intptr_t lParam);

    HostDesktop& host_;
    DesktopIconList& iconList_;
};

} // namespace tovra::platform::emulated
