// The program's platform wherever it is not built for Windows: the emulated
// Windows on the user's state root, with the real desktop's wallpaper.

#include "platform/emulated/EmulatedPlatform.h"
#include "platform/host/HostWallpaperFactory.h"

#include <filesystem>
#include <iostream>

namespace tovra::platform {

std::unique_ptr<NativePlatform> createNativePlatform(HostServices host) {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    auto wallpaper = host::createHostWallpaper(host::currentSessionFacts(),
                                               host::rootHelperFor(executable), std::cerr);
    return emulated::createEmulatedPlatform(host, emulated::StateRoot::fromEnvironment(),
                                            std::move(wallpaper));
}

} // namespace tovra::platform
