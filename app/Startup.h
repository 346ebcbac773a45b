#pragma once

// The start-up steps that follow the main window's creation, shared by the
// program's main routine and its tests.

#include "library/LibraryPeers.h"

#include <memory>

namespace tovra::wallpaper {
class WallpaperSetterSource;
}

namespace tovra {

class ErrorRoute;
class FeatureWindows;
class TFormPicView;
class TFormPiclist;
class TFormTovraDesktop;
struct FeatureWindowServices;

/// Runs FormCreate, sending an error that ends it the program-wide route (the
/// program goes on). Then, when no tray icon could be added (a desktop without
/// a notification area), shows the main window: it is the only way in.
/// False when the password prompt ended the program: nothing is shown, and
/// the program ends without the exit steps.
[[nodiscard]] bool startMainWindow(TFormTovraDesktop& window, ErrorRoute& errors);

/// The two windows that live beside the main window from start-up to exit,
/// and the wallpaper setter they both apply with. Each window is handed what
/// it needs of the other; neither holds the other.
struct WallpaperWindows {
    WallpaperWindows();
    WallpaperWindows(WallpaperWindows&&) noexcept;
    WallpaperWindows& operator=(WallpaperWindows&&) noexcept;
    ~WallpaperWindows();

    std::unique_ptr<wallpaper::WallpaperSetterSource> setters;
    std::unique_ptr<TFormPicView> preview;
    std::unique_ptr<TFormPiclist> list;

private:
    /// The list first, then the preview, then the setter: each goes before
    /// what it uses.
    void release() noexcept;
};

/// Creates the picture preview (from here on failures are discarded without
/// a message, and TempDir is captured), then the wallpaper list (its rotation
/// timer starts), both hidden, and docks them to the main window. The
/// preview's "关于本程式" opens features' About window.
[[nodiscard]] WallpaperWindows startWallpaperWindows(TFormTovraDesktop& mainWindow,
                                                     const FeatureWindowServices& services,
                                                     FeatureWindows& features);

/// What the library window asks of the two: the preview shows and places
/// pictures, the list takes new paths. The windows must outlive what it gives.
[[nodiscard]] library::LibraryPeers libraryPeers(const WallpaperWindows& windows);

} // namespace tovra
