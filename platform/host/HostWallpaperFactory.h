#pragma once

// The real desktop's wallpaper for the session the program runs in.

#include "platform/host/HostWallpaperService.h"
#include "platform/host/SessionDetection.h"

#include <filesystem>
#include <memory>
#include <ostream>

namespace tovra::platform::host {

/// The setter of a desktop; null for DesktopKind::None. rootHelper is
/// tovra-setroot, for X11Root.
[[nodiscard]] std::unique_ptr<DesktopSetter> desktopSetter(DesktopKind kind,
                                                           const std::filesystem::path& rootHelper);

/// The wallpaper service for the desktop those facts describe, telling its
/// failures on errors.
[[nodiscard]] std::unique_ptr<HostWallpaperService>
createHostWallpaper(const SessionFacts& facts, const std::filesystem::path& rootHelper,
                    std::ostream& errors, ToolRunner tools = ToolRunner());

/// Where tovra-setroot is for the program at executable: beside it (a build
/// folder, or a portable copy), else in the libexec folder of the prefix it
/// is installed in.
[[nodiscard]] std::filesystem::path rootHelperFor(const std::filesystem::path& executable);

} // namespace tovra::platform::host
