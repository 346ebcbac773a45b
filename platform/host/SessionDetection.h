#pragma once

// Which desktop the program runs in, so that a new wallpaper goes to that
// desktop's own interface: told by the session's variables, and where they
// say nothing, by the desktop programs the user has running.

#include <string>
#include <string_view>
#include <vector>

namespace tovra::platform::host {

enum class DesktopKind {
    None,     // nothing whose wallpaper this program can set
    Gnome,    // org.gnome.desktop.background (also Budgie, Unity, Pantheon)
    Cinnamon, // org.cinnamon.desktop.background
    Mate,     // org.mate.background
    Xfce,     // xfconf's xfce4-desktop channel
    Plasma,   // plasmashell's scripting interface
    X11Root,  // any other X11 session: the root window's background pixmap
};

/// What the session tells of itself.
struct SessionFacts {
    std::string currentDesktop;  // XDG_CURRENT_DESKTOP: names separated by colons
    std::string desktopSession;  // DESKTOP_SESSION: a session name, sometimes a path
    std::string sessionType;     // XDG_SESSION_TYPE: "x11", "wayland", ...
    bool x11Display = false;     // DISPLAY is set
    bool waylandDisplay = false; // WAYLAND_DISPLAY is set
    /// The names of the user's running programs (as /proc/<pid>/comm has them).
    std::vector<std::string> runningPrograms;
};

/// The first of XDG_CURRENT_DESKTOP's names that is a known desktop, else
/// DESKTOP_SESSION's, else a known desktop program that is running; without
/// any, X11Root in an X11 session (there is a display and no Wayland), else
/// None: a Wayland compositor of its own has no root window to paint.
[[nodiscard]] DesktopKind detectDesktop(const SessionFacts& facts);

/// The facts of this process's session: its environment and /proc.
[[nodiscard]] SessionFacts currentSessionFacts();

/// The desktop's name as messages show it ("GNOME", "Xfce", ...).
[[nodiscard]] std::string_view desktopName(DesktopKind kind);

} // namespace tovra::platform::host
