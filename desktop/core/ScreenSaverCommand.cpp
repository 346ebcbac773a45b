#include "desktop/core/ScreenSaverCommand.h"

#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>

namespace tovra::desktop {

namespace {

using Mode = ScreenSaverCommand::Mode;

/// A whole decimal number.
std::optional<std::uint64_t> windowNumber(std::string_view text) {
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

Mode modeOf(char letter) {
    switch (std::tolower(static_cast<unsigned char>(letter))) {
    case 'p':
        return Mode::Preview;
    case 's':
        return Mode::FullScreen;
    case 'c':
    case 'a':
        return Mode::Configure;
    default:
        return Mode::Invalid;
    }
}

} // namespace

ScreenSaverCommand parseScreenSaverCommand(const std::vector<std::string>& arguments) {
    ScreenSaverCommand command;
    std::size_t next = 0;
    if (!arguments.empty() && arguments[0] == "--hack") {
        if (arguments.size() < 2 || arguments[1].empty()) {
            return {Mode::Invalid, 0, {}};
        }
        command.hack = arguments[1];
        next = 2;
    }
    if (next == arguments.size()) {
        return command;
    }
    const std::string_view option = arguments[next];
    if (option.size() < 2 || (option[0] != '/' && option[0] != '-') ||
        (option.size() > 2 && option[2] != ':')) {
        return {Mode::Invalid, 0, {}};
    }
    command.mode = modeOf(option[1]);
    if (command.mode == Mode::Preview) {
        const std::string_view window = option.size() > 2 ? option.substr(3)
                                        : next + 1 < arguments.size()
                                            ? std::string_view(arguments[next + 1])
                                            : std::string_view();
        const auto number = windowNumber(window);
        if (!number) {
            return {Mode::Invalid, 0, {}};
        }
        command.window = *number;
    }
    return command;
}

std::vector<std::string> hackArguments(std::uint64_t window) {
    return {"-window-id", std::to_string(window)};
}

} // namespace tovra::desktop
