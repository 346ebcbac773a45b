#pragma once

// The window magnet's rules, free of any window: what a press records, where a
// drag puts the window, how a position snaps, which sizing edge a point is on.

#include "platform/DesktopWindows.h"
#include "platform/Screen.h"
#include "platform/Types.h"

#include <cstdint>
#include <optional>

namespace tovra::magnet {

/// Which windows attract.
struct TMagOption {
    bool MagTray = true;      // the taskbar, class "Shell_TrayWnd"
    bool MagExplorer = false; // an Explorer folder window, class "CabinetWClass"
    bool MagCustom = false;   // a window whose handle the magnet holds
};

/// WM_NCHITTEST results.
enum HitTest : int {
    kHtLeft = 10,
    kHtRight = 11,
    kHtTop = 12,
    kHtTopLeft = 13,
    kHtTopRight = 14,
    kHtBottom = 15,
    kHtBottomLeft = 16,
    kHtBottomRight = 17,
};

/// The width of the sizing border that CanResize gives the owner.
inline constexpr std::int32_t kSizingBorder = 5;

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

class MagnetCore {
public:
    MagnetCore(platform::DesktopWindows& windows, platform::Screen& screen);

    bool Active = true;
    bool CanResize = true;
    TMagOption MagOption;
    std::int32_t MagEffect = 10;
    /// The custom target's handle; nothing in the program sets it.
    platform::Hwnd CustomHandle = 0;

    /// WM_LBUTTONDOWN at a point in the owner's client coordinates: records the
    /// press point and takes the targets' rectangles, once per press.
    void press(platform::Point client);
    /// WM_MOUSEMOVE at a point in client coordinates, the owner at ownerBounds:
    /// the owner's new top-left corner, or nothing when the move does not drag.
    [[nodiscard]] std::optional<platform::Point> move(platform::Point client,
                                                      const platform::Rect& ownerBounds);
    /// A proposed top-left corner snapped to the targets and the screen edges.
    [[nodiscard]] platform::Point snapPosition(platform::Point proposed, Size owner) const;
    /// WM_NCHITTEST at a point in client coordinates: the sizing code, or
    /// nothing when the standard result stands.
    [[nodiscard]] std::optional<int> hitTest(platform::Point client, Size owner,
                                             bool ownerStateNormal) const;

private:
    struct Target {
        platform::Hwnd handle = 0;
        platform::Rect rect;
    };
    void search(Target& target, const char* className);
    void takeRect(Target& target);

    platform::DesktopWindows& windows_;
    platform::Screen& screen_;
    platform::Point pressPoint_;
    Target custom_;
    Target explorer_;
    Target tray_;
};

/// The owner's bounds while the sizing border hitCode (kHtLeft … kHtBottomRight)
/// is dragged by delta from where it was at the press (start). The opposite
/// edges stay put; the size stays within minimum and maximum.
[[nodiscard]] platform::Rect resizedBounds(const platform::Rect& start, int hitCode,
                                           platform::Point delta, Size minimum, Size maximum);

} // namespace tovra::magnet
