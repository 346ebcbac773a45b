#include "platform/emulated/DesktopEntry.h"

namespace tovra::platform::emulated {

namespace {

/// The characters that the Exec rules reserve, which force a word into quotes.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";

bool needsQuotes(std::string_view word) {
    if (word.empty() || word.find_first_of(kReserved) != std::string_view::npos) {
        return true;
    }
    // Other control characters are not reserved, but a launcher that splits
    // on any white space would cut the word at them.
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string desktopEntryString(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case ' ':
            escaped += escaped.empty() ? "\\s" : " ";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string execWord(std::string_view word) {
    const bool quoted = needsQuotes(word);
    std::string result;
    result.reserve(word.size() + 2);
    if (quoted) {
        result += '"';
    }
    for (const char c : word) {
        if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            result += '\\';
        } else if (c == '%') {
            result += '%';
        }
        result += c;
    }
    if (quoted) {
        result += '"';
    }
    return result;
}

std::optional<std::string> execValue(const std::vector<std::string>& command) {
    if (command.empty() || command.front().empty() ||
        command.front().find('=') != std::string::npos) {
        return std::nullopt;
    }
    std::string line;
    for (const auto& word : command) {
        if (!line.empty()) {
            line += ' ';
        }
        line += execWord(word);
    }
    return desktopEntryString(line);
}

} // namespace tovra::platform::emulated
