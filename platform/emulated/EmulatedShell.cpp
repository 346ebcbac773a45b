#include "platform/emulated/EmulatedShell.h"

#include "platform/TextCase.h"
#include "platform/emulated/ActivityLog.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

namespace tovra::platform::emulated {

namespace {

constexpr std::intptr_t kSeErrFileNotFound = 2;

bool isSchemeCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) != 0 || c == '+' || c == '-' || c == '.';
}

} // namespace

bool isWebAddress(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2 ||
        std::isalpha(static_cast<unsigned char>(text.front())) == 0) {
        return false;
    }
    const auto scheme = text.substr(0, colon);
    return std::all_of(scheme.begin(), scheme.end(), isSchemeCharacter);
}

EmulatedShell::EmulatedShell(Registry& registry, StateRoot root, Launcher& launcher,
                             HostWallpaper* hostWallpaper)
    : registry_(registry)
    , root_(root)
    , launcher_(launcher)
    , hostWallpaper_(hostWallpaper)
    , recent_(std::move(root)) {}

std::intptr_t EmulatedShell::shellExecute(Hwnd /*owner*/, const std::string& operation,
                                          const std::string& file, const std::string& parameters,
                                          const std::string& directory, int showCommand) {
    std::intptr_t result = kSeErrNoAssoc;
    if (operation.empty() || equalsIgnoringCase(operation, "open") ||
        equalsIgnoringCase(operation, "explore")) {
        result = openWithDesktop(file, directory);
    }
    if (root_.ensure()) {
        appendLogLine(root_.file("shell-executed.log"),
                      {operation, file, parameters, directory, std::to_string(showCommand),
                       std::to_string(result)});
    }
    return result;
}

std::intptr_t EmulatedShell::openWithDesktop(const std::string& file,
                                             const std::string& directory) {
    if (file.empty()) {
        return kSeErrFileNotFound;
    }
    std::string target = file;
    if (!isWebAddress(file)) {
        std::filesystem::path local(file);
        if (local.is_relative() && !directory.empty()) {
            local = std::filesystem::path(directory) / local;
        }
        std::error_code error;
        if (!std::filesystem::exists(local, error)) {
            return kSeErrFileNotFound;
        }
        target = local.string();
    }
    const int error = launcher_.launchDetached({"xdg-open", {target}, directory});
    return windowsStartResult(error, kShellExecuteStarted);
}

void EmulatedShell::addToRecentDocs(unsigned flags, const std::optional<std::string>& path) {
    if (!path) {
        recent_.clear();
    } else if (flags == kShardPath) {
        recent_.add(*path);
    }
}

bool EmulatedShell::setDeskWallpaper(const std::string& path, unsigned winIniFlags) {
    std::error_code error;
    if (!path.empty() && !std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    if ((winIniFlags & kSpifUpdateIniFile) != 0 && !storeWallpaper(path)) {
        return false;
    }
    if (hostWallpaper_ != nullptr && !path.empty()) {
        hostWallpaper_->show(path, storedStyle());
    }
    return true;
}

WallpaperStyle EmulatedShell::storedStyle() {
    HKey key = 0;
    if (registry_.openKey(kHkeyCurrentUser, "Control Panel\\Desktop", key) != kErrorSuccess) {
        return WallpaperStyle::Centred;
    }
    RegValue value;
    const Status status = registry_.queryValue(key, "wallpaperstyle", value);
    registry_.closeKey(key);
    return wallpaperStyleOf(status == kErrorSuccess ? std::optional(value) : std::nullopt);
}

WallpaperStyle wallpaperStyleOf(const std::optional<RegValue>& value) {
    if (!value) {
        return WallpaperStyle::Centred;
    }
    std::optional<std::uint32_t> code = value->asDword();
    if (value->type == kRegSz || value->type == kRegExpandSz) {
        const std::string text = value->asText();
        code = text == "1" ? 1u : text == "2" ? 2u : 0u;
    }
    switch (code.value_or(0)) {
    case 1:
        return WallpaperStyle::Tiled;
    case 2:
        return WallpaperStyle::Stretched;
    default:
        return WallpaperStyle::Centred;
    }
}

bool EmulatedShell::storeWallpaper(const std::string& path) {
    HKey key = 0;
    if (registry_.createKey(kHkeyCurrentUser, "Control Panel\\Desktop", key) != kErrorSuccess) {
        return false;
    }
    const Status status = registry_.setValue(key, "Wallpaper", RegValue::text(path));
    registry_.closeKey(key);
    return status == kErrorSuccess;
}

} // namespace tovra::platform::emulated
