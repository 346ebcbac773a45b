#pragma once

// The main window's notification-area icon: the record it is added with, and
// what the window does with each message the icon sends back.

#include "platform/TrayIcon.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tovra::mainwindow {

/// WM_USER + 1: the message the icon sends to the main window.
inline constexpr std::uint32_t kTrayCallbackMessage = 1025;
/// The tip field holds 64 bytes with the terminating zero.
inline constexpr std::size_t kTrayTipMaxBytes = 63;

/// text cut to at most maxBytes bytes without splitting a UTF-8 character.
[[nodiscard]] std::string cutUtf8(std::string_view text, std::size_t maxBytes);

/// The record for Shell_NotifyIconA: the window, callback message 1025, the
/// icon and the tip (the start date's text, cut to fit the tip field).
[[nodiscard]] platform::NotifyIconData trayIconData(platform::Hwnd window, std::uintptr_t icon,
                                                    std::string_view dateText,
                                                    platform::TrayCallback callback);

enum class TrayAction {
    NotTrayMessage, // not the icon's message: the standard handling takes it
    ShowAndActivate,
    PopupMenu,
    Nothing,
};

/// What the main window's message procedure does with a message.
[[nodiscard]] TrayAction trayActionFor(std::uint32_t message, std::intptr_t lParam);

/// How often the main window looks whether the notification area has come or gone.
inline constexpr int kTrayWatchIntervalMs = 1000;

enum class TrayChange {
    None,
    AddIcon,  // a notification area has appeared (the panel started late, or again)
    IconLost, // the notification area has gone: the icon can no longer be reached
};

/// What the main window does when it looks at the notification area: a
/// program without a reachable icon keeps a taskbar entry instead.
[[nodiscard]] TrayChange trayChangeFor(bool iconShown, bool trayAvailable);

} // namespace tovra::mainwindow
