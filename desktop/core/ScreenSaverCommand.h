#pragma once

// What a screen-saver program is asked to do, read from its command line by
// the screen savers' convention: "/p <window>" draws a preview inside that
// window, "/s" runs full screen, "/c" (or nothing) asks for its settings.
// The letter may follow "/" or "-" in either case, and the window may follow
// a colon ("/p:724"). The project's screen-saver program also takes
// "--hack <program>" first: an xscreensaver program to run instead of its
// own drawing.

#include <cstdint>
#include <string>
#include <vector>

namespace tovra::desktop {

struct ScreenSaverCommand {
    enum class Mode { Configure, Preview, FullScreen, Invalid };
    Mode mode = Mode::Configure;
    /// The preview's window (Preview only).
    std::uint64_t window = 0;
    /// The xscreensaver program to run; empty for the own drawing.
    std::string hack;

    friend bool operator==(const ScreenSaverCommand&, const ScreenSaverCommand&) = default;
};

/// The arguments after the program's name. A preview without a window
/// number, an unknown switch or a "--hack" without a program is Invalid.
[[nodiscard]] ScreenSaverCommand parseScreenSaverCommand(const std::vector<std::string>& arguments);

/// The xscreensaver program's arguments for drawing inside window.
[[nodiscard]] std::vector<std::string> hackArguments(std::uint64_t window);

} // namespace tovra::desktop
