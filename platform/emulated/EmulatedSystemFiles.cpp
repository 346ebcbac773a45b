#include "platform/emulated/EmulatedSystemFiles.h"

#include "platform/Error.h"
#include "platform/emulated/FileStore.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tovra::platform::emulated {

namespace {

std::string withSeparator(const std::filesystem::path& folder) {
    std::string text = folder.string();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

bool checkOpenedFolder(int fd, std::string& problem) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        problem = std::strerror(errno);
        return false;
    }
    if (info.st_uid != ::geteuid()) {
        problem = "belongs to another user";
        return false;
    }
    if ((info.st_mode & 077) != 0 && ::fchmod(fd, 0700) != 0) {
        problem = "cannot be made private: " + std::string(std::strerror(errno));
        return false;
    }
    return true;
}

} // namespace

bool preparePrivateFolder(const std::filesystem::path& folder, std::string& problem) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        problem = "cannot be created: " + std::string(std::strerror(errno));
        return false;
    }
    // O_NOFOLLOW on the opened folder itself: no window between check and use.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        problem = (errno == ELOOP || errno == ENOTDIR) ? "is a symbolic link or not a folder"
                                                       : std::string(std::strerror(errno));
        return false;
    }
    const bool ok = checkOpenedFolder(fd, problem);
    ::close(fd);
    return ok;
}

EmulatedSystemFiles::EmulatedSystemFiles(StateRoot root, ScreenSaverSources screenSavers)
    : root_(std::move(root))
    , screenSavers_(std::move(screenSavers)) {}

std::string EmulatedSystemFiles::tempPath() {
    if (fallback_) {
        return withSeparator(*fallback_);
    }
    const auto folder = root_.file("Temp");
    std::string problem = "cannot be created";
    if (root_.ensure() && preparePrivateFolder(folder, problem)) {
        return withSeparator(folder);
    }
    fallback_ = fallbackFolder();
    std::cerr << "TovraDesktop: the temporary folder " << folder << ' ' << problem << "; using "
              << *fallback_ << " instead\n";
    return withSeparator(*fallback_);
}

std::filesystem::path EmulatedSystemFiles::fallbackFolder() {
    std::error_code error;
    auto base = std::filesystem::temp_directory_path(error);
    if (error) {
        base = "/tmp";
    }
    std::string pattern = (base / "TovraDesktop-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw Error("Unable to create a temporary folder in " + base.string());
    }
    return pattern;
}

bool EmulatedSystemFiles::setFileAttributes(const std::string& path, std::uint32_t attributes) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) {
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        return true;
    }
    const mode_t mode = info.st_mode & 07777;
    const mode_t wanted =
        (attributes & kFileAttributeReadOnly) != 0 ? (mode & ~mode_t{0222}) : (mode | S_IWUSR);
    return wanted == mode || ::chmod(path.c_str(), wanted) == 0;
}

std::string EmulatedSystemFiles::systemDirectory() {
    const auto folder = root_.file("System32");
    if (root_.ensureFolder("System32")) {
        syncScreenSaverEntries(folder, screenSavers_);
    }
    return folder.string();
}

bool EmulatedSystemFiles::replaceFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        return false;
    }
    // Under the file's write lock, which also removes what a writer killed in
    // the middle of writing a large picture left behind.
    const FileWriteLock lock(path);
    return lock.locked() && emulated::replaceFile(path, bytes);
}

} // namespace tovra::platform::emulated
