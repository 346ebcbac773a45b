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
    Sway,     // Sway's own background command (swaymsg), which runs swaybg
    Wlroots,  // another Wayland compositor (river, Wayfire, labwc, ...): swaybg
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
    bool swaySocket = false; // SWAYSOCK is set: Sway's command socket
};

/// The first of XDG_CURRENT_DESKTOP's names that is a known desktop, else
/// DESKTOP_SESSION's, else Sway where its socket is set, else a known desktop
/// program that is running; without any, Wlroots on a Wayland display (a
/// compositor of its own, which swaybg's layer-shell surface serves), X11Root
/// in an X11 session, else None.
[[nodiscard]] DesktopKind detectDesktop(const SessionFacts& facts);

/// The facts of this process's session: its environment and /proc.
[[nodiscard]] SessionFacts currentSessionFacts();

/// The desktop's name as messages show it ("GNOME", "Xfce", ...).
[[nodiscard]] std::string_view desktopName(DesktopKind kind);

} // namespace tovra::platform::host
