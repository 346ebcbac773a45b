#pragma once

// Shell_NotifyIconA: the notification-area icon and its callback message.

#include "platform/Types.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tovra::platform {

inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimDelete = 2;

inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;

inline constexpr std::intptr_t kWmLButtonUp = 514;
inline constexpr std::intptr_t kWmLButtonDblClk = 515;
inline constexpr std::intptr_t kWmRButtonUp = 517;
inline constexpr std::intptr_t kWmMButtonUp = 520;

/// The window procedure that receives the icon's callback message, with the
/// mouse message in lParam.
using TrayCallback = std::function<void(std::uint32_t message, std::intptr_t lParam)>;

/// NOTIFYICONDATAA as the program fills it (88 bytes in the ANSI layout).
struct NotifyIconData {
    std::uint32_t cbSize = 88;
    Hwnd hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    std::uintptr_t hIcon = 0;
    /// The tip: at most 63 bytes, the field holding 64 with its terminating zero.
    std::string szTip;
    /// Where the callback message goes: stands for hWnd's window procedure.
    TrayCallback callback;
};

class TrayIcon {
public:
    virtual ~TrayIcon() = default;

    /// Whether the desktop has a notification area to show an icon in.
    [[nodiscard]] virtual bool isAvailable() const = 0;

    /// Shell_NotifyIconA(message, data): kNimAdd shows the icon, kNimDelete removes it.
    virtual bool notifyIcon(std::uint32_t message, const NotifyIconData& data) = 0;
};

} // namespace tovra::platform
