#pragma once

// A Wayland compositor of its own (river, Wayfire, labwc, ...): swaybg draws
// the picture on the compositor's background layer. The program starts its
// own swaybg for each picture and, once the new one is up, stops the one it
// started before, so that a rotation never stacks them; a swaybg that some
// other program started is never touched. The last one is stopped when the
// program ends.

#include "platform/host/DesktopSetter.h"

namespace tovra::platform::host {

/// How long a new swaybg must keep running to count as up: one that cannot
/// load the picture or reach the compositor ends well within it.
inline constexpr std::chrono::milliseconds kSwaybgSettle{1000};

/// swaybg's name of the style: center, tile or stretch.
[[nodiscard]] std::string_view swaybgMode(WallpaperStyle style);

class SwaybgSetter final : public DesktopSetter {
public:
    explicit SwaybgSetter(std::chrono::milliseconds settle = kSwaybgSettle)
        : settle_(settle) {}

    /// Starts `swaybg -o * -i <path> -m <mode>`; once it is up, the
    /// program's previous swaybg is stopped.
    [[nodiscard]] std::optional<std::string> apply(const std::string& path, WallpaperStyle style,
                                                   const ToolRunner& tools) override;

    /// Stops the program's swaybg, if one runs (another setter took over).
    void stop() { current_.stop(); }

private:
    std::chrono::milliseconds settle_;
    RunningTool current_;
};

} // namespace tovra::platform::host
