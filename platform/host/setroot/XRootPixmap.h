#pragma once

// The X11 root window's background as other setters leave it: a pixmap that
// outlives this program (its client's resources are kept when it closes),
// named by the root window's _XROOTPMAP_ID and ESETROOT_PMAP_ID properties,
// which terminals and compositors read. The pixmap that an earlier setter
// left is freed first, as that convention asks.

#include "platform/host/setroot/RootImage.h"

#include <optional>
#include <string>

namespace tovra::platform::host::setroot {

/// Paints the root window of $DISPLAY with picture in style, one layout per
/// monitor. Nothing when done; otherwise why not.
[[nodiscard]] std::optional<std::string> setRootBackground(const Pixels& picture,
                                                           WallpaperStyle style);

} // namespace tovra::platform::host::setroot
