#include "desktop/core/ScreenSaverPreview.h"

#include "platform/Shell.h"

#include <utility>

namespace tovra::desktop {

std::optional<std::string> previewCommandLine(const std::string& path, platform::Hwnd window) {
    if (path.empty() || path.find('"') != std::string::npos) {
        return std::nullopt;
    }
    return "\"" + path + "\" /p " + std::to_string(window);
}

ScreenSaverPreview::ScreenSaverPreview(platform::Processes& processes)
    : processes_(processes) {}

ScreenSaverPreview::~ScreenSaverPreview() {
    stop();
}

bool ScreenSaverPreview::start(const std::string& path, platform::Hwnd window) {
    stop();
    const auto line = previewCommandLine(path, window);
    if (!line) {
        return false;
    }
    process_ = processes_.createProcess(*line, platform::kSwShow);
    return running();
}

void ScreenSaverPreview::stop() {
    if (running()) {
        processes_.terminateProcess(std::exchange(process_, platform::kNoProcess));
    }
}

} // namespace tovra::desktop
