// tovra-apply-bench PICTURE WIDTH HEIGHT
//
// Runs the rotation's apply sequence once on PICTURE for a WIDTH x HEIGHT
// screen, against the emulated Windows in a temporary state root that is
// removed afterwards, so that the whole of it can be timed as one process
// beside other tools (djpeg, say). Prints the path handed to the system and
// the size of the bitmap written. Exits 0 when the wallpaper was applied.

#include "picture/Bmp.h"
#include "picture/PictureFile.h"
#include "platform/emulated/EmulatedPlatform.h"
#include "settings/RegistryAccess.h"
#include "tests/support/HostStandIns.h"
#include "wallpaper/core/WallpaperSetter.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

using namespace tovra;

/// The screen the picture is applied for.
class BenchScreen final : public platform::HostDesktop {
public:
    BenchScreen(int width, int height)
        : screen_{0, 0, width, height} {}
    [[nodiscard]] platform::Rect screenGeometry() const override { return screen_; }
    [[nodiscard]] platform::Rect availableGeometry() const override { return screen_; }
    [[nodiscard]] bool leftButtonDown() const override { return false; }

private:
    platform::Rect screen_;
};

/// A private folder for the emulated state, removed at the end.
class StateFolder {
public:
    StateFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tovra-apply-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary folder");
        }
        path_ = pattern;
    }
    ~StateFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    StateFolder(const StateFolder&) = delete;
    StateFolder& operator=(const StateFolder&) = delete;
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string handedWallpaper(platform::Registry& registry) {
    settings::RegistryAccess access(registry);
    return access.openKey("\\Control Panel\\Desktop", false) ? access.readString("Wallpaper") : "";
}

int run(const std::string& picture, int width, int height) {
    const StateFolder folder;
    BenchScreen screen(width, height);
    test::ScriptedMessageBoxes boxes;
    test::RecordingTray tray(false);
    const auto native = platform::emulated::createEmulatedPlatform(
        {screen, boxes, tray}, platform::emulated::StateRoot(folder.path()));
    const platform::Platform platform = native->platform();
    wallpaper::WallpaperSetter setter(wallpaper::WallpaperServices::from(platform),
                                      platform.files.tempPath());
    if (setter.applyWallpaper(picture, wallpaper::ApplyVariant::Rotation, 0) !=
        wallpaper::ApplyOutcome::Applied) {
        std::cerr << "tovra-apply-bench: " << picture << " does not exist\n";
        return 1;
    }
    const std::string handed = handedWallpaper(platform.registry);
    std::cout << "wallpaper: " << handed << '\n';
    if (handed == setter.WallpaperBitmapFile()) {
        std::ifstream file(picture::pathFromUtf8(handed), std::ios::binary);
        std::string header(256, '\0');
        file.read(header.data(), static_cast<std::streamsize>(header.size()));
        header.resize(static_cast<std::size_t>(file.gcount()));
        const picture::Size size = picture::bmpSize(header);
        std::cout << "bitmap: " << size.width << " x " << size.height << '\n';
    }
    return handed.empty() ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: tovra-apply-bench PICTURE WIDTH HEIGHT\n";
        return 2;
    }
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    if (width <= 0 || height <= 0) {
        std::cerr << "tovra-apply-bench: the screen needs a positive width and height\n";
        return 2;
    }
    try {
        return run(argv[1], width, height);
    } catch (const std::exception& error) {
        std::cerr << "tovra-apply-bench: " << error.what() << '\n';
        return 1;
    }
}
