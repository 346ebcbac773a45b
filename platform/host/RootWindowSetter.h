#pragma once

// Any other X11 session: the root window's background, painted by this
// program's own helper, tovra-setroot (platform/host/setroot). It runs as a
// program of its own so that Xlib, the picture's decoding and the X server's
// answers stay out of this process, and the time limit holds for them too.

#include "platform/host/DesktopSetter.h"

#include <filesystem>

namespace tovra::platform::host {

class RootWindowSetter final : public DesktopSetter {
public:
    explicit RootWindowSetter(std::filesystem::path helper)
        : helper_(std::move(helper)) {}

    /// Runs `tovra-setroot <centred|tiled|stretched> <path>`.
    [[nodiscard]] std::optional<std::string> apply(const std::string& path, WallpaperStyle style,
                                                   const ToolRunner& tools) override;

private:
    std::filesystem::path helper_;
};

} // namespace tovra::platform::host
