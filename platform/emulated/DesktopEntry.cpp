#include "platform/emulated/DesktopEntry.h"

#include "platform/emulated/Utf16.h"

#include <algorithm>

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

/// Whether a desktop entry can hold the word: its values are UTF-8 text
/// without control characters but the ones the string escapes spell out.
bool isWritable(std::string_view word) {
    return isValidUtf8(word) && std::none_of(word.begin(), word.end(), [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7f;
           });
}

/// Starts a program, given by name or path, with its arguments as they are:
/// no shell, and no variable to set while the program holds no "=".
constexpr std::string_view kProgramStarter = "/usr/bin/env";

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
        command.front().find('=') != std::string::npos ||
        !std::all_of(command.begin(), command.end(), isWritable)) {
        return std::nullopt;
    }
    std::string line;
    if (command.front().find('%') != std::string::npos) {
        line = kProgramStarter;
    }
    for (const auto& word : command) {
        if (!line.empty()) {
            line += ' ';
        }
        line += execWord(word);
    }
    return desktopEntryString(line);
}

} // namespace tovra::platform::emulated
