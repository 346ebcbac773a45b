#pragma once

// The screen-saver chooser's preview: one screen-saver process at a time,
// drawing inside the chooser's panel. A new preview stops the one before it,
// and the preview ends with its owner, so that no screen saver is left
// drawing into a hidden panel.

#include "platform/Processes.h"
#include "platform/Types.h"

#include <optional>
#include <string>

namespace tovra::desktop {

/// By the screen savers' convention, " /p " and a window handle ask the
/// program to draw its preview inside that window. The path is quoted so that
/// a path with blanks cannot name another program; nothing for an empty path
/// or one that holds a quote, which no command line can carry.
[[nodiscard]] std::optional<std::string> previewCommandLine(const std::string& path,
                                                            platform::Hwnd window);

class ScreenSaverPreview {
public:
    explicit ScreenSaverPreview(platform::Processes& processes);
    ~ScreenSaverPreview();
    ScreenSaverPreview(const ScreenSaverPreview&) = delete;
    ScreenSaverPreview& operator=(const ScreenSaverPreview&) = delete;

    /// Stops the running preview, then starts path previewing inside window
    /// (SW_SHOW). An empty path starts nothing. True when a program started.
    bool start(const std::string& path, platform::Hwnd window);
    /// Stops the running preview, if any.
    void stop();
    [[nodiscard]] bool running() const { return process_ != platform::kNoProcess; }

private:
    platform::Processes& processes_;
    platform::ProcessHandle process_ = platform::kNoProcess;
};

} // namespace tovra::desktop
