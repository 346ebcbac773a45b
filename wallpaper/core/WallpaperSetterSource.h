#pragma once

// Where the windows that apply pictures find the wallpaper setter. app/ owns
// one and hands it to the picture preview, which makes the setter once it has
// captured TempDir at its creation, and to the wallpaper list, whose rotation
// asks for it only when it applies a picture. Until then, and for good when
// TempDir could not be had, there is no setter: asking for it throws, and the
// handler that asked stops there.

#include "wallpaper/core/WallpaperSetter.h"

#include <optional>
#include <string>

namespace tovra::wallpaper {

class WallpaperSetterSource {
public:
    explicit WallpaperSetterSource(WallpaperServices services);

    /// Makes the setter on TempDir, GetTempPathA's answer with its trailing
    /// separator.
    void useTempDir(const std::string& TempDir);

    /// The setter on TempDir. Throws Error while TempDir is unknown.
    [[nodiscard]] WallpaperSetter& setter();

private:
    WallpaperServices services_;
    std::optional<WallpaperSetter> setter_;
};

} // namespace tovra::wallpaper
