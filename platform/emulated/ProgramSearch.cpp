#include "platform/emulated/ProgramSearch.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tovra::platform::emulated {

namespace {

bool isRegularFile(const std::filesystem::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isRunnable(const std::filesystem::path& file) {
    return isRegularFile(file) && ::access(file.c_str(), X_OK) == 0;
}

std::vector<std::filesystem::path> pathFolders() {
    const char* variable = std::getenv("PATH");
    const std::string_view path = variable != nullptr ? variable : "/usr/local/bin:/usr/bin:/bin";
    std::vector<std::filesystem::path> folders;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto end = std::min(path.find(':', start), path.size());
        // An empty entry would mean the current folder: never search it.
        if (end > start) {
            folders.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return folders;
}

} // namespace

std::optional<std::filesystem::path>
findProgram(std::string_view name, const std::vector<std::filesystem::path>& firstFolders) {
    if (name.empty()) {
        return std::nullopt;
    }
    if (name.find('/') != std::string_view::npos) {
        std::filesystem::path file(name);
        return isRegularFile(file) ? std::optional(file) : std::nullopt;
    }
    for (const auto& folders : {firstFolders, pathFolders()}) {
        for (const auto& folder : folders) {
            auto candidate = folder / name;
            if (isRunnable(candidate)) {
                return candidate;
            }
        }
    }
    return std::nullopt;
}

} // namespace tovra::platform::emulated
