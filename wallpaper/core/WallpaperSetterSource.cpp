#include "wallpaper/core/WallpaperSetterSource.h"

#include "platform/Error.h"

namespace tovra::wallpaper {

WallpaperSetterSource::WallpaperSetterSource(WallpaperServices services)
    : services_(services) {}

void WallpaperSetterSource::useTempDir(const std::string& TempDir) {
    setter_.emplace(services_, TempDir);
}

WallpaperSetter& WallpaperSetterSource::setter() {
    if (!setter_) {
        throw Error("The temporary folder is unknown");
    }
    return *setter_;
}

} // namespace tovra::wallpaper
