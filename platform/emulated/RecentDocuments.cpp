#include "platform/emulated/RecentDocuments.h"

#include "platform/emulated/FileStore.h"

#include <algorithm>
#include <utility>

namespace tovra::platform::emulated {

namespace {

constexpr const char* kFileName = "RecentDocuments.txt";

std::vector<std::string> parseLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(std::move(line));
        }
        start = end + 1;
    }
    return lines;
}

} // namespace

RecentDocuments::RecentDocuments(StateRoot root)
    : root_(std::move(root)) {}

std::vector<std::string> RecentDocuments::entries() const {
    std::error_code error;
    const auto text = readFile(root_.file(kFileName), error);
    return text ? parseLines(*text) : std::vector<std::string>{};
}

bool RecentDocuments::add(const std::string& path) {
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos || !root_.ensure()) {
        return false;
    }
    const FileWriteLock lock(root_.file(kFileName));
    auto paths = entries();
    paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
    paths.insert(paths.begin(), path);
    return lock.locked() && rewrite(paths);
}

bool RecentDocuments::clear() {
    if (!root_.ensure()) {
        return false;
    }
    const FileWriteLock lock(root_.file(kFileName));
    return lock.locked() && rewrite({});
}

bool RecentDocuments::rewrite(const std::vector<std::string>& paths) {
    std::string text;
    for (const auto& path : paths) {
        text += path;
        text += '\n';
    }
    return replaceFile(root_.file(kFileName), text, 0600);
}

} // namespace tovra::platform::emulated
