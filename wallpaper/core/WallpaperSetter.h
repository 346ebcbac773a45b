#pragma once

// The wallpaper setter: makes a picture file the desktop wallpaper through the
// platform's registry, shell, screen and file calls.
//
// The apply sequence, for the preview window's menu and for the rotation:
//  1. a picture file that does not exist ends it, with no effect;
//  2. a picture whose upper-cased extension the variant converts (the
//     preview: .JPG, .JPEG, .GIF; the rotation: .JPG, .JPEG) is decoded,
//     fitted to the screen (fitToScreen, StretchBlt's COLORONCOLOR resizing)
//     and stored as WallpaperBitmapFile, which then stands for the picture.
//     The file's read-only mark is cleared first; it is replaced in one
//     atomic step, so a failure never leaves half a bitmap. Any other picture
//     (a BMP, or a GIF in the rotation) goes to the system as it is, once its
//     header shows a picture that the size guard takes, and
//     WallpaperBitmapFile is neither read nor written;
//  3. "TileWallpaper" = "0" and "wallpaperstyle" = the style code are written
//     as text under HKEY_CURRENT_USER\Control Panel\Desktop;
//  4. SystemParametersInfoA(SPI_SETDESKWALLPAPER) hands the picture's path to
//     the system; its result is not checked.
// A failure (a picture that cannot be read or decoded, a file or registry key
// that cannot be written) throws and abandons the rest: what was done stays
// done. Nothing is shown to the user.

#include "platform/Registry.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/SystemFiles.h"

#include <string>

namespace tovra::platform {
struct Platform;
}

namespace tovra::wallpaper {

/// The platform calls the setter makes.
struct WallpaperServices {
    platform::Registry& registry;
    platform::Shell& shell;
    platform::Screen& screen;
    platform::SystemFiles& files;

    [[nodiscard]] static WallpaperServices from(const platform::Platform& platform);
};

enum class ApplyVariant {
    /// The preview window's menu (ApplyWallpaper): converts .JPG, .JPEG and .GIF.
    Preview,
    /// The rotation (ChangeWallpaper): converts .JPG and .JPEG; a GIF goes as it is.
    Rotation,
};

enum class ApplyOutcome {
    Applied,
    /// The picture file does not exist: nothing was done.
    PictureMissing,
};

/// The upper-cased extension of a path, from the last dot of its last part,
/// dot included; empty without one.
[[nodiscard]] std::string upperExtension(const std::string& path);

/// Whether the variant converts a picture with this upper-cased extension.
[[nodiscard]] bool isConverted(ApplyVariant variant, const std::string& upperExtension);

class WallpaperSetter {
public:
    /// TempDir: the user's temporary folder as GetTempPathA gave it, with its
    /// trailing separator.
    WallpaperSetter(WallpaperServices services, std::string TempDir);

    /// TempDir + "WallPaper.BMP".
    [[nodiscard]] std::string WallpaperBitmapFile() const;

    /// Decodes source (a GIF when its extension is .GIF, a JPEG otherwise) at
    /// full size and stores it at destination as a bitmap file, atomically.
    /// Throws picture::PictureError, or Error when destination cannot be written.
    void ConvertToBitmap(const std::string& source, const std::string& destination);

    /// The apply sequence for picture. styleCode: 0 to 2, or 3 (smart, from
    /// the width of the picture being applied, before fitting); any other
    /// code is taken as 0. Throws on failure (see above).
    ApplyOutcome applyWallpaper(const std::string& picture, ApplyVariant variant, int styleCode);

private:
    /// Converts and fits picture into WallpaperBitmapFile; returns the
    /// picture's own width.
    int convertFitted(const std::string& picture);
    [[nodiscard]] int screenMetric(int index) const;
    void store(const std::string& destination, const std::string& bytes);

    WallpaperServices services_;
    std::string TempDir_;
};

} // namespace tovra::wallpaper
