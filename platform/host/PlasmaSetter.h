#pragma once

// KDE Plasma: plasmashell's scripting interface, reached over the session bus
// with dbus-send, sets the image wallpaper and its fill mode on every desktop
// (each screen and activity has one).

#include "platform/host/DesktopSetter.h"

namespace tovra::platform::host {

class PlasmaSetter final : public DesktopSetter {
public:
    [[nodiscard]] std::optional<std::string> apply(const std::string& path, WallpaperStyle style,
                                                   const ToolRunner& tools) override;
};

/// The script that plasmashell evaluates. The picture goes in as a file URI,
/// whose characters never end a script string.
[[nodiscard]] std::string plasmaWallpaperScript(const std::string& path, WallpaperStyle style);

} // namespace tovra::platform::host
