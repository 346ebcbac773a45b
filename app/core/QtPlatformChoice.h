#pragma once

// The windowing system the program asks Qt for. Its windows place themselves
// at global positions (the magnet that snaps the main window to the screen's
// edges, the docked list and preview windows that follow it), which Wayland
// gives no client; XWayland does. So in a Wayland session with XWayland the
// program runs on Qt's xcb platform, unless the user chose a platform.

#include <optional>
#include <string>

namespace tovra::mainwindow {

struct QtPlatformFacts {
    bool platformChosen = false; // QT_QPA_PLATFORM set, or a -platform argument
    bool waylandSession = false; // WAYLAND_DISPLAY set, or XDG_SESSION_TYPE=wayland
    bool x11Display = false;     // DISPLAY set: XWayland (or X11 itself) is there
};

/// "xcb" for a Wayland session with XWayland where nothing was chosen;
/// nothing otherwise (Qt's own choice stands).
[[nodiscard]] std::optional<std::string> qtPlatformFor(const QtPlatformFacts& facts);

/// The facts of this process: its environment and its arguments.
[[nodiscard]] QtPlatformFacts currentQtPlatformFacts(int argc, const char* const* argv);

} // namespace tovra::mainwindow
