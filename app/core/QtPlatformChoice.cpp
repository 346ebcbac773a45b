#include "app/core/QtPlatformChoice.h"

#include <cstdlib>
#include <string_view>

namespace tovra::mainwindow {

namespace {

bool environmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

} // namespace

std::optional<std::string> qtPlatformFor(const QtPlatformFacts& facts) {
    if (facts.waylandSession && facts.x11Display && !facts.platformChosen) {
        return "xcb";
    }
    return std::nullopt;
}

QtPlatformFacts currentQtPlatformFacts(int argc, const char* const* argv) {
    QtPlatformFacts facts;
    facts.platformChosen = environmentSet("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        facts.platformChosen = facts.platformChosen || argument == "-platform" ||
                               argument == "--platform" || argument.starts_with("-platform=");
    }
    const char* sessionType = std::getenv("XDG_SESSION_TYPE");
    facts.waylandSession = environmentSet("WAYLAND_DISPLAY") ||
                           (sessionType != nullptr && std::string_view(sessionType) == "wayland");
    facts.x11Display = environmentSet("DISPLAY");
    return facts;
}

} // namespace tovra::mainwindow
