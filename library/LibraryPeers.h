#pragma once

// What the library window asks of the program's other windows: the picture
// preview (show a picture, place and close the window) and the wallpaper list
// (add a path). app/ fills these in with the real windows; one left empty
// does nothing, so the library works before, and without, those windows.

#include <functional>
#include <string>

#include <QPoint>

namespace tovra::library {

struct LibraryPeers {
    /// ShowPicture of the preview window: shows the file and makes it the
    /// preview's current picture.
    std::function<void(const std::string& path)> showPicture;
    /// Whether the preview window is on screen.
    std::function<bool()> previewShowing;
    /// Shows the preview window with its top left corner there.
    std::function<void(QPoint topLeft)> showPreviewAt;
    /// Closes the preview window.
    std::function<void()> closePreview;
    /// Appends the path to the wallpaper list and its section, unless the
    /// list holds it already.
    std::function<void(const std::string& path)> addToWallpaperList;
};

} // namespace tovra::library
