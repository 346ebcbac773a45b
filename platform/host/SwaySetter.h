#pragma once

// Sway: its own background command, `swaymsg output * bg <path> <mode>`,
// which makes Sway run swaybg itself and keeps the picture in Sway's state.

#include "platform/host/SwaybgSetter.h"

namespace tovra::platform::host {

/// The path as one word of Sway's command language. swaymsg joins its
/// arguments into one command, which Sway splits at blanks, ";" and ",", and
/// whose picture path it then expands as a shell word ("$HOME", "`...`"):
/// every ASCII character but letters, digits and "/._-" is escaped with a
/// backslash, so that the word comes out as the path. Nothing for a path
/// holding a line break, which that language cannot carry.
[[nodiscard]] std::optional<std::string> swayCommandWord(const std::string& path);

class SwaySetter final : public DesktopSetter {
public:
    explicit SwaySetter(std::chrono::milliseconds settle = kSwaybgSettle)
        : ownSwaybg_(settle) {}

    /// swaymsg with the path as one escaped word; a path that Sway's command
    /// language cannot carry goes to a swaybg of the program's own, stopped
    /// again once Sway shows a later picture.
    [[nodiscard]] std::optional<std::string> apply(const std::string& path, WallpaperStyle style,
                                                   const ToolRunner& tools) override;

private:
    SwaybgSetter ownSwaybg_;
};

} // namespace tovra::platform::host
