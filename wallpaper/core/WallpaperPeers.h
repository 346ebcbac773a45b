#pragma once

// What the wallpaper list and the picture preview ask of each other. Neither
// window holds the other: app/ hands each the other's side of this seam.

#include <string>

namespace tovra::wallpaper {

/// The wallpaper list's entries and its one selection (TFormPiclist's
/// lvpicture), as the preview's "<<" and ">>" walk them.
class WallpaperListEntries {
public:
    virtual ~WallpaperListEntries() = default;

    [[nodiscard]] virtual int entryCount() const = 0;
    /// The selected position; -1 when none is.
    [[nodiscard]] virtual int selectedEntry() const = 0;
    /// Selects that position and makes it current; -1 leaves none selected.
    virtual void selectEntry(int position) = 0;
    /// The path at a position below entryCount().
    [[nodiscard]] virtual std::string entry(int position) const = 0;
};

/// The picture preview (TFormPicView) as the wallpaper list's clicks reach it.
class PicturePreview {
public:
    virtual ~PicturePreview() = default;

    /// Whether the preview is on screen: only then does a click show a picture.
    [[nodiscard]] virtual bool previewShowing() const = 0;
    /// Shows the picture and makes it the one the preview's menu applies.
    /// Throws when the picture cannot be read or decoded.
    virtual void ShowPicture(const std::string& path) = 0;
};

} // namespace tovra::wallpaper
