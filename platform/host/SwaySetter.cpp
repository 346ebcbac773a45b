#include "platform/host/SwaySetter.h"

namespace tovra::platform::host {

namespace {

/// The "error" of swaymsg's JSON answer, which it writes on standard output.
std::string swayError(const std::string& answer) {
    constexpr std::string_view key = "\"error\": \"";
    const auto from = answer.find(key);
    if (from == std::string::npos) {
        return {};
    }
    const auto start = from + key.size();
    return answer.substr(start, answer.find('"', start) - start);
}

bool plainInSwayWord(unsigned char byte) {
    // Bytes of UTF-8 sequences (Chinese names) are nothing to Sway or the
    // shell; <cctype> is not asked, as its answer depends on the locale.
    const bool letterOrDigit = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                               (byte >= '0' && byte <= '9');
    return byte >= 0x80 || letterOrDigit || byte == '/' || byte == '.' || byte == '_' ||
           byte == '-';
}

} // namespace

std::optional<std::string> swayCommandWord(const std::string& path) {
    std::string word;
    word.reserve(path.size() * 2);
    for (const char c : path) {
        if (c == '\n' || c == '\r') {
            return std::nullopt;
        }
        if (!plainInSwayWord(static_cast<unsigned char>(c))) {
            word += '\\';
        }
        word += c;
    }
    return word;
}

std::optional<std::string> SwaySetter::apply(const std::string& path, WallpaperStyle style,
                                             const ToolRunner& tools) {
    const auto word = swayCommandWord(path);
    if (!word) {
        return ownSwaybg_.apply(path, style, tools);
    }
    const ToolResult result =
        tools.run({"swaymsg", "output", "*", "bg", *word, std::string(swaybgMode(style))});
    if (!result.succeeded()) {
        ToolResult told = result;
        if (told.errors.empty()) {
            told.errors = swayError(told.output);
        }
        return describeFailure("swaymsg", told, tools.timeout());
    }
    ownSwaybg_.stop(); // Sway's own swaybg shows the picture now
    return std::nullopt;
}

} // namespace tovra::platform::host
