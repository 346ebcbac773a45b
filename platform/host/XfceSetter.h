#pragma once

// Xfce: xfdesktop keeps one background per monitor and workspace in xfconf's
// xfce4-desktop channel (/backdrop/screen0/<monitor>/<workspace>/last-image
// and image-style); every one of them gets the picture, through
// xfconf-query.

#include "platform/host/DesktopSetter.h"

namespace tovra::platform::host {

class XfceSetter final : public DesktopSetter {
public:
    /// Lists the channel's properties, then sets each last-image found and the
    /// image-style beside it; with none yet (xfdesktop has never stored one),
    /// the first monitor's first workspace.
    [[nodiscard]] std::optional<std::string> apply(const std::string& path, WallpaperStyle style,
                                                   const ToolRunner& tools) override;
};

} // namespace tovra::platform::host
