#pragma once

// Where the two docked windows stand relative to the main window: the
// wallpaper list under its lower edge, the picture preview at its lower right
// corner.

#include "platform/Types.h"

namespace tovra::mainwindow {

struct DockPositions {
    platform::Point list;
    platform::Point preview;
};

/// mainWindow: the main window's frame in screen coordinates.
[[nodiscard]] DockPositions dockPositions(const platform::Rect& mainWindow);

} // namespace tovra::mainwindow
