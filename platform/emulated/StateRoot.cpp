#include "platform/emulated/StateRoot.h"

#include "platform/Error.h"
#include "platform/emulated/UserFolders.h"

#include <cerrno>
#include <sys/stat.h>
#include <utility>

namespace tovra::platform::emulated {

namespace {

bool isFolder(const std::filesystem::path& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

StateRoot::StateRoot(std::filesystem::path folder)
    : folder_(std::move(folder)) {}

StateRoot StateRoot::fromEnvironment() {
    const auto data = dataFolder();
    if (!data) {
        throw Error("Unable to find the home folder for the emulated Windows state");
    }
    return StateRoot(*data / "TovraDesktop");
}

std::filesystem::path StateRoot::file(std::string_view name) const {
    return folder_ / name;
}

bool StateRoot::ensure() const {
    return isFolder(folder_) || createPrivateFolders(folder_);
}

bool StateRoot::ensureFolder(std::string_view name) const {
    if (!ensure()) {
        return false;
    }
    const auto folder = file(name);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    return isFolder(folder);
}

bool createPrivateFolders(const std::filesystem::path& folder) {
    std::filesystem::path partial;
    for (const auto& part : folder.lexically_normal()) {
        partial /= part;
        if (part.empty() || part == partial.root_path()) {
            continue;
        }
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return isFolder(folder);
}

} // namespace tovra::platform::emulated
