#pragma once

// The desktop's icon list (the list view inside the program-manager window):
// finding it, and the messages that colour its captions and redraw it.

#include "platform/DesktopWindows.h"
#include "platform/MessageBoxes.h"

#include <cstdint>
#include <string_view>

namespace tovra::desktop {

inline constexpr std::string_view kListViewClass = "SysListView32";
inline constexpr std::string_view kUnsupportedNotice = "系统不支持!";

/// FindWindowA("ProgMan"), then its first child twice. When the result's class
/// is not exactly "SysListView32" the notice "系统不支持!" is shown (OK only,
/// owned by owner) and the handle is returned all the same: messages to a
/// window that is no list view, or to 0, have no effect.
platform::Hwnd FindDesktopListView(platform::DesktopWindows& windows,
                                   platform::MessageBoxes& messageBoxes, platform::Hwnd owner);

/// LVM_SETTEXTCOLOR with the foreground, LVM_SETTEXTBKCOLOR with the
/// background or, for a transparent one, CLR_NONE; then LVM_GETITEMCOUNT and
/// LVM_REDRAWITEMS of items 0 to count - 1. Colours go as they are, system
/// colour codes included.
void colorDesktopCaptions(platform::DesktopWindows& windows, platform::Hwnd listView,
                          std::uint32_t foreground, std::uint32_t background, bool transparent);

} // namespace tovra::desktop
