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

/// Why an opened folder will not do as the private temporary folder; empty
/// when it will.
std::string problemOf(const OpenedFolder& folder) {
    if (!folder.opened()) {
        const int error = folder.openError();
        return (error == ELOOP || error == ENOTDIR) ? "is a symbolic link or not a folder"
                                                    : std::string(std::strerror(error));
    }
    std::string problem;
    return closeToOthers(folder.fd(), problem) ? std::string() : problem;
}

} // namespace

bool preparePrivateFolder(const std::filesystem::path& folder, std::string& problem) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        problem = "cannot be created: " + std::string(std::strerror(errno));
        return false;
    }
    // O_NOFOLLOW on the opened folder itself: no window between check and use.
    problem = problemOf(OpenedFolder(folder, OpenedFolder::Link::Refused));
    return problem.empty();
}

EmulatedSystemFiles::EmulatedSystemFiles(StateRoot root, ScreenSaverSources screenSavers)
    : root_(std::move(root))
    , screenSavers_(std::move(screenSavers)) {}

EmulatedSystemFiles::~EmulatedSystemFiles() {
    if (fallback_) {
        // Nothing in it outlives the program: it stood in for the refused Temp.
        std::error_code error;
        std::filesystem::remove_all(*fallback_, error);
    }
}

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
    if (path.empty() || ::lstat(path.c_str(), &info) != 0) {
        return false;
    }
    // A link has no mode of its own, and what it leads to is not the file
    // named here (a planted WallPaper.BMP must not make its target writable).
    if (S_ISDIR(info.st_mode) || S_ISLNK(info.st_mode)) {
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
    const std::filesystem::path file(path);
    if (!file.has_filename()) {
        return false;
    }
    // The folder is opened once and every step happens in it; a link in
    // the file's place is replaced, never written through. The private
    // temporary folder is checked again at every write: it may have been
    // swapped for a link to someone else's folder since the start.
    const auto folderPath =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    const bool temporary = isTemporaryFolder(folderPath);
    OpenedFolder folder(folderPath,
                        temporary ? OpenedFolder::Link::Refused : OpenedFolder::Link::Followed);
    if (temporary) {
        if (const std::string problem = problemOf(folder); !problem.empty()) {
            std::cerr << "TovraDesktop: the temporary folder " << folderPath << ' ' << problem
                      << "; " << file.filename() << " is not written\n";
            return false;
        }
    }
    // Under the folder's lock, which also removes what a writer killed in
    // the middle of writing a large picture left behind.
    if (!folder.lock()) {
        return false;
    }
    const std::string name = file.filename().string();
    folder.removeLeftoverTemporaries(name);
    return folder.replace(name, bytes);
}

bool EmulatedSystemFiles::isTemporaryFolder(const std::filesystem::path& folder) const {
    const auto normal = folder.lexically_normal();
    return normal == root_.file("Temp").lexically_normal() ||
           (fallback_ && normal == fallback_->lexically_normal());
}

} // namespace tovra::platform::emulated
