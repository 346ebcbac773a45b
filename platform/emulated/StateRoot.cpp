#include "platform/emulated/StateRoot.h"

#include "platform/Error.h"
#include "platform/emulated/UserFolders.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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

void StateRoot::makePrivate() const {
    const std::string what =
        "The folder " + folder_.string() + ", which holds the emulated Windows,";
    if (!ensure()) {
        throw Error(what + " cannot be created or is no folder");
    }
    const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        throw Error(what + " cannot be opened: " + std::strerror(errno));
    }
    std::string problem;
    const bool closed = closeToOthers(fd, problem);
    ::close(fd);
    if (!closed) {
        throw Error(what + ' ' + problem +
                    ", so it is not used. Move it aside, or set XDG_DATA_HOME to a folder of "
                    "your own, and start the program again.");
    }
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

bool closeToOthers(int folderFd, std::string& problem) {
    struct stat info {};
    if (::fstat(folderFd, &info) != 0) {
        problem = std::strerror(errno);
        return false;
    }
    if (info.st_uid != ::geteuid()) {
        problem = "belongs to another user (uid " + std::to_string(info.st_uid) + ")";
        return false;
    }
    if ((info.st_mode & 077) == 0) {
        return true;
    }
    if (::fchmod(folderFd, 0700) != 0 || ::fstat(folderFd, &info) != 0 ||
        (info.st_mode & 077) != 0) {
        problem = "is open to others and cannot be made private";
        return false;
    }
    return true;
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
