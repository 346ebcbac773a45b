#pragma once

// Xfce: xfdesktop keeps one background per monitor and workspace in xfconf's
// xfce4-desktop channel (/backdrop/screen0/monitor<name>/workspace<n>/
// last-image and image-style, the monitor named after its XRandR output, as
// in monitorHDMI-1); every one of them gets the picture, through
// xfconf-query.

#include "platform/host/DesktopSetter.h"

#include <vector>

namespace tovra::platform::host {

/// What xfdesktop names the backgrounds of a screen after.
struct XfceScreen {
    /// The XRandR names of the connected outputs ("HDMI-1", Xvfb's "screen").
    std::vector<std::string> outputs;
    /// The window manager's workspaces (_NET_NUMBER_OF_DESKTOPS); 0 where
    /// none has told them yet.
    long workspaces = 0;
};

/// The screen of the X display that DISPLAY names; nothing of it without
/// one. Its own file: the only one here that speaks X.
[[nodiscard]] XfceScreen queryXfceScreen();

/// The background folders (/backdrop/screen0/monitorX/workspaceN) where
/// xfdesktop looks for a screen's backgrounds before it has stored any: each
/// output's on every workspace, and monitor0's, the name it gives a monitor
/// whose output it cannot name. At least workspace0.
[[nodiscard]] std::vector<std::string> newBackdropFolders(const XfceScreen& screen);

class XfceSetter final : public DesktopSetter {
public:
    /// Lists the channel's properties, then sets each last-image found and the
    /// image-style beside it; with none yet (xfdesktop has never stored one),
    /// those of the new folders of the display's screen.
    [[nodiscard]] std::optional<std::string> apply(const std::string& path, WallpaperStyle style,
                                                   const ToolRunner& tools) override;
};

} // namespace tovra::platform::host
