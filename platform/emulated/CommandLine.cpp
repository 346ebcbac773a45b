#include "platform/emulated/CommandLine.h"

namespace tovra::platform::emulated {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

/// Consumes a run of backslashes, appending what it stands for. A quote after
/// an even run is left in rest: it groups, as any other quote.
void takeBackslashes(std::string_view& rest, std::string& argument) {
    std::size_t count = 0;
    while (count < rest.size() && rest[count] == '\\') {
        ++count;
    }
    rest.remove_prefix(count);
    if (rest.empty() || rest.front() != '"') {
        argument.append(count, '\\');
        return;
    }
    argument.append(count / 2, '\\');
    if (count % 2 == 1) {
        argument += '"';
        rest.remove_prefix(1);
    }
}

/// Reads one argument from the start of rest (which starts with no blank).
std::string takeArgument(std::string_view& rest) {
    std::string argument;
    bool quoted = false;
    while (!rest.empty() && (quoted || !isBlank(rest.front()))) {
        const char c = rest.front();
        if (c == '\\') {
            takeBackslashes(rest, argument);
        } else if (c == '"') {
            rest.remove_prefix(1);
            if (quoted && !rest.empty() && rest.front() == '"') {
                argument += '"';
                rest.remove_prefix(1);
            } else {
                quoted = !quoted;
            }
        } else {
            argument += c;
            rest.remove_prefix(1);
        }
    }
    return argument;
}

} // namespace

std::vector<ProgramCandidate> programCandidates(std::string_view commandLine) {
    const std::string_view line = skipBlanks(commandLine);
    if (line.empty()) {
        return {};
    }
    if (line.front() == '"') {
        const auto close = line.find('"', 1);
        if (close == std::string_view::npos) {
            return {{std::string(line.substr(1)), {}}};
        }
        return {{std::string(line.substr(1, close - 1)),
                 std::string(skipBlanks(line.substr(close + 1)))}};
    }
    std::vector<ProgramCandidate> candidates;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (isBlank(line[i]) && i > 0 && !isBlank(line[i - 1])) {
            candidates.push_back(
                {std::string(line.substr(0, i)), std::string(skipBlanks(line.substr(i)))});
        }
    }
    if (!isBlank(line.back())) {
        candidates.push_back({std::string(line), {}});
    }
    return candidates;
}

std::vector<std::string> splitArguments(std::string_view arguments) {
    std::vector<std::string> result;
    std::string_view rest = skipBlanks(arguments);
    while (!rest.empty()) {
        result.push_back(takeArgument(rest));
        rest = skipBlanks(rest);
    }
    return result;
}

} // namespace tovra::platform::emulated
