#include "platform/emulated/UserFolders.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace tovra::platform::emulated {

namespace {

/// An environment variable that holds an absolute path.
std::optional<std::filesystem::path> absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') {
        return std::nullopt;
    }
    return std::filesystem::path(value);
}

std::optional<std::filesystem::path> accountHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr || found->pw_dir[0] != '/') {
        return std::nullopt;
    }
    return std::filesystem::path(found->pw_dir);
}

/// The value of one `XDG_DESKTOP_DIR="$HOME/Desktop"` line of user-dirs.dirs.
/// The file allows only a path relative to $HOME or an absolute path.
std::optional<std::filesystem::path> desktopLine(std::string_view line,
                                                 const std::filesystem::path& home) {
    constexpr std::string_view kPrefix = "XDG_DESKTOP_DIR=\"";
    if (!line.starts_with(kPrefix) || !line.ends_with('"')) {
        return std::nullopt;
    }
    std::string_view value = line.substr(kPrefix.size(), line.size() - kPrefix.size() - 1);
    constexpr std::string_view kHome = "$HOME";
    if (value.starts_with(kHome) && (value.size() == kHome.size() || value[kHome.size()] == '/')) {
        value.remove_prefix(kHome.size());
        return value.empty() ? home : home / value.substr(1);
    }
    if (value.starts_with('/')) {
        return std::filesystem::path(value);
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> desktopFromUserDirs(const std::filesystem::path& home) {
    const auto config = absoluteFromEnvironment("XDG_CONFIG_HOME").value_or(home / ".config");
    std::ifstream in(config / "user-dirs.dirs");
    std::optional<std::filesystem::path> desktop;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back(); // a file that went through a Windows editor
        }
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') {
            continue;
        }
        // The file is sourced by a shell: a later assignment wins.
        if (auto value = desktopLine(std::string_view(line).substr(start), home)) {
            desktop = std::move(value);
        }
    }
    return desktop;
}

} // namespace

std::optional<std::filesystem::path> homeFolder() {
    if (auto home = absoluteFromEnvironment("HOME")) {
        return home;
    }
    return accountHome();
}

std::optional<std::filesystem::path> dataFolder() {
    if (auto data = absoluteFromEnvironment("XDG_DATA_HOME")) {
        return data;
    }
    if (auto home = homeFolder()) {
        return *home / ".local" / "share";
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> configFolder() {
    if (auto config = absoluteFromEnvironment("XDG_CONFIG_HOME")) {
        return config;
    }
    if (auto home = homeFolder()) {
        return *home / ".config";
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> autostartFolder() {
    if (auto config = configFolder()) {
        return *config / "autostart";
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> desktopFolder() {
    const auto home = homeFolder();
    if (!home) {
        return std::nullopt;
    }
    if (auto desktop = desktopFromUserDirs(*home)) {
        return desktop;
    }
    if (auto desktop = absoluteFromEnvironment("XDG_DESKTOP_DIR")) {
        return desktop;
    }
    return *home / "Desktop";
}

} // namespace tovra::platform::emulated
