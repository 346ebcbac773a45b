#include "wallpaper/core/WallpaperSetter.h"

#include "picture/Bmp.h"
#include "picture/Picture.h"
#include "picture/PictureError.h"
#include "picture/PictureFile.h"
#include "platform/Error.h"
#include "platform/Platform.h"
#include "settings/RegistryIniFile.h"
#include "settings/SettingsIndex.h"
#include "wallpaper/core/WallpaperRules.h"

#include <algorithm>
#include <utility>

namespace tovra::wallpaper {

namespace {

using picture::PictureFormat;

PictureFormat conversionFormat(const std::string& path) {
    return upperExtension(path) == ".GIF" ? PictureFormat::Gif : PictureFormat::Jpeg;
}

/// The width of a picture handed over unconverted, read from its header. A
/// file that is no picture (empty, cut short, anything else under a picture's
/// name), or one that the size guard refuses, is refused before anything is
/// written: the system would show a blank desktop. Where this build has no
/// decoder for the format the header goes unread (0), unless the smart style
/// needs the width.
int widthOfFile(const std::string& path, bool widthNeeded) {
    const std::string bytes = picture::readPictureFile(path);
    const auto format = picture::formatOfContent(bytes);
    if (!format) {
        throw picture::PictureError(picture::PictureFault::Undecodable, path + " is no picture");
    }
    try {
        return picture::pictureSize(bytes, *format).width;
    } catch (const picture::PictureError& error) {
        if (error.fault() != picture::PictureFault::NoDecoder || widthNeeded) {
            throw;
        }
        return 0;
    }
}

} // namespace

WallpaperServices WallpaperServices::from(const platform::Platform& platform) {
    return {platform.registry, platform.shell, platform.screen, platform.files};
}

std::string upperExtension(const std::string& path) {
    const std::size_t name = path.find_last_of("\\/");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (name != std::string::npos && dot < name)) {
        return {};
    }
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return extension;
}

bool isConverted(ApplyVariant variant, const std::string& upperExtension) {
    return upperExtension == ".JPG" || upperExtension == ".JPEG" ||
           (variant == ApplyVariant::Preview && upperExtension == ".GIF");
}

WallpaperSetter::WallpaperSetter(WallpaperServices services, std::string TempDir)
    : services_(services)
    , TempDir_(std::move(TempDir)) {}

std::string WallpaperSetter::WallpaperBitmapFile() const {
    return TempDir_ + "WallPaper.BMP";
}

void WallpaperSetter::ConvertToBitmap(const std::string& source, const std::string& destination) {
    const std::string bytes = picture::readPictureFile(source);
    store(destination, picture::encodeBmp(picture::decodePicture(bytes, conversionFormat(source))));
}

ApplyOutcome WallpaperSetter::applyWallpaper(const std::string& picture, ApplyVariant variant,
                                             int styleCode) {
    if (!picture::pictureFileExists(picture)) {
        return ApplyOutcome::PictureMissing;
    }
    std::string path = picture;
    int referenceWidth = 0;
    if (isConverted(variant, upperExtension(picture))) {
        referenceWidth = convertFitted(picture);
        path = WallpaperBitmapFile();
    } else {
        referenceWidth = widthOfFile(picture, styleCode == kStyleSmart);
    }
    const int screenWidth = styleCode == kStyleSmart ? screenMetric(platform::kSmCxScreen) : 0;
    const int style = styleToWrite(styleCode, referenceWidth, screenWidth);

    namespace reg = settings::reg;
    settings::RegistryIniFile controlPanel(services_.registry, platform::kHkeyCurrentUser,
                                           std::string(reg::kControlPanelKey));
    const std::string desktop(reg::kControlPanelDesktopSection);
    controlPanel.writeString(desktop, std::string(reg::kTileWallpaper), "0");
    controlPanel.writeString(desktop, std::string(reg::kWallpaperStyle), std::to_string(style));
    services_.shell.setDeskWallpaper(path, platform::kSpifUpdateIniFile |
                                               platform::kSpifSendWinIniChange);
    return ApplyOutcome::Applied;
}

int WallpaperSetter::convertFitted(const std::string& picture) {
    const std::string target = WallpaperBitmapFile();
    services_.files.setFileAttributes(target, platform::kFileAttributeNormal);
    const std::string bytes = picture::readPictureFile(picture);
    const PictureFormat format = conversionFormat(picture);
    const picture::Size full = picture::pictureSize(bytes, format);
    const picture::Size fitted = fitToScreen(
        full, {screenMetric(platform::kSmCxScreen), screenMetric(platform::kSmCyScreen)});
    // A JPEG is decoded at the smallest reduced scale that still covers the
    // fitted size: the resizing would discard the other pixels anyway.
    store(target, picture::encodeBmp(picture::decodePictureToSize(bytes, format, fitted)));
    return full.width;
}

int WallpaperSetter::screenMetric(int index) const {
    const int value = services_.screen.getSystemMetrics(index);
    if (value <= 0) {
        throw Error("The screen's size is unknown");
    }
    return value;
}

void WallpaperSetter::store(const std::string& destination, const std::string& bytes) {
    if (!services_.files.replaceFile(destination, bytes)) {
        throw Error("Unable to write to " + destination);
    }
}

} // namespace tovra::wallpaper
