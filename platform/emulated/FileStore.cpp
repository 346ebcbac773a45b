#include "platform/emulated/FileStore.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tovra::platform::emulated {

namespace {

/// Closes a descriptor at the end of a scope.
class FdCloser {
public:
    explicit FdCloser(int fd)
        : fd_(fd) {}
    ~FdCloser() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;
    [[nodiscard]] int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

/// Linux gives up on a chain of more links than this (ELOOP).
constexpr int kMaxLinks = 40;

std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

/// The start of the names of an entry's temporary files; a random number follows it.
std::string temporaryPrefix(std::string_view name) {
    return "." + std::string(name) + ".tmp-";
}

bool isTemporaryOf(const std::string& name, const std::string& prefix) {
    return name.size() > prefix.size() && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

/// Opens a new temporary file for the entry name in the folder fd, named so
/// that no reader mistakes it.
int openTemporary(int folder, std::string_view name, unsigned mode, std::string& leaf) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        leaf = temporaryPrefix(name) + std::to_string(random());
        const int fd =
            ::openat(folder, leaf.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

/// A file without any write permission stands for a file with the Windows
/// read-only attribute, which refuses writes even from an administrator.
bool isWritableFile(int folder, const std::string& name, const struct stat& info) {
    return S_ISREG(info.st_mode) && (info.st_mode & 0222) != 0 &&
           ::faccessat(folder, name.c_str(), W_OK, 0) == 0;
}

bool isPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

} // namespace

std::optional<std::filesystem::path> writeTarget(const std::filesystem::path& file) {
    std::filesystem::path target = file;
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code error;
        const auto status = std::filesystem::symlink_status(target, error);
        if (!std::filesystem::is_symlink(status)) {
            return target;
        }
        const auto next = std::filesystem::read_symlink(target, error);
        if (error) {
            return std::nullopt;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return std::nullopt;
}

void removeLeftoverTemporaries(const std::filesystem::path& target) {
    const OpenedFolder folder(folderOf(target));
    folder.removeLeftoverTemporaries(target.filename().string());
}

FileWriteLock::FileWriteLock(const std::filesystem::path& file) {
    const auto target = writeTarget(file);
    if (!target) {
        return;
    }
    lock_.emplace(folderOf(*target));
    if (lock_->locked()) {
        removeLeftoverTemporaries(*target);
    }
}

OpenedFolder::OpenedFolder(const std::filesystem::path& folder, Link link) {
    const std::string name = folder.empty() ? std::string(".") : folder.string();
    const int noFollow = link == Link::Refused ? O_NOFOLLOW : 0;
    fd_ = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | noFollow);
    openError_ = fd_ < 0 ? errno : 0;
}

OpenedFolder::~OpenedFolder() {
    if (fd_ >= 0) {
        ::close(fd_); // closing releases the lock
    }
}

bool OpenedFolder::lock() {
    if (fd_ < 0) {
        return false;
    }
    int result = 0;
    do {
        result = ::flock(fd_, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

void OpenedFolder::removeLeftoverTemporaries(std::string_view name) const {
    if (fd_ < 0) {
        return;
    }
    // A descriptor of its own: reading the folder moves its position.
    DIR* listing = ::fdopendir(::openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (listing == nullptr) {
        return;
    }
    const std::string prefix = temporaryPrefix(name);
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(listing)) {
        if (isTemporaryOf(entry->d_name, prefix)) {
            leftovers.emplace_back(entry->d_name);
        }
    }
    ::closedir(listing);
    for (const auto& leftover : leftovers) {
        ::unlinkat(fd_, leftover.c_str(), 0);
    }
}

bool OpenedFolder::replace(std::string_view name, std::string_view contents,
                           unsigned newFileMode) const {
    if (fd_ < 0 || !isPlainName(name)) {
        return false;
    }
    const std::string entry(name);
    struct stat existing {};
    const bool keepsMode = ::fstatat(fd_, entry.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0 &&
                           !S_ISLNK(existing.st_mode);
    if (keepsMode && !isWritableFile(fd_, entry, existing)) {
        return false;
    }
    std::string temporary;
    FdCloser file(openTemporary(fd_, name, newFileMode, temporary));
    if (file.get() < 0) {
        return false;
    }
    bool ok = writeAll(file.get(), contents);
    if (ok && keepsMode) {
        ok = ::fchmod(file.get(), existing.st_mode & 07777) == 0;
    }
    ok = ok && ::fdatasync(file.get()) == 0;
    ok = (::close(file.release()) == 0) && ok;
    ok = ok && ::renameat(fd_, temporary.c_str(), fd_, entry.c_str()) == 0;
    if (!ok) {
        ::unlinkat(fd_, temporary.c_str(), 0);
        return false;
    }
    // A file system that cannot flush a folder (EINVAL) keeps nothing to flush.
    return ::fsync(fd_) == 0 || errno == EINVAL;
}

DirectoryLock::DirectoryLock(const std::filesystem::path& directory)
    : folder_(directory)
    , locked_(folder_.lock()) {}

namespace {

long long nanoseconds(const struct timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1'000'000'000LL + time.tv_nsec;
}

} // namespace

FileVersion::FileVersion(int fd, const struct stat& info)
    : fd_(fd)
    , device_(info.st_dev)
    , inode_(info.st_ino)
    , size_(info.st_size)
    , modified_(nanoseconds(info.st_mtim))
    , changed_(nanoseconds(info.st_ctim)) {}

FileVersion::~FileVersion() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

FileVersion::FileVersion(FileVersion&& other) noexcept
    : fd_(std::exchange(other.fd_, -1))
    , device_(other.device_)
    , inode_(other.inode_)
    , size_(other.size_)
    , modified_(other.modified_)
    , changed_(other.changed_) {}

FileVersion& FileVersion::operator=(FileVersion&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
        device_ = other.device_;
        inode_ = other.inode_;
        size_ = other.size_;
        modified_ = other.modified_;
        changed_ = other.changed_;
    }
    return *this;
}

FileVersion FileVersion::of(const std::filesystem::path& file) {
    FdCloser fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        return {};
    }
    return {fd.release(), info};
}

bool FileVersion::isCurrent(const std::filesystem::path& file) const {
    struct stat info {};
    return fd_ >= 0 && ::stat(file.c_str(), &info) == 0 && info.st_dev == device_ &&
           info.st_ino == inode_ && info.st_size == size_ &&
           nanoseconds(info.st_mtim) == modified_ && nanoseconds(info.st_ctim) == changed_;
}

std::optional<std::string> readFile(const std::filesystem::path& file, std::error_code& error,
                                    FileVersion* version) {
    error.clear();
    FdCloser fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        error = std::error_code(errno, std::generic_category());
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        error = std::error_code(errno, std::generic_category());
        return std::nullopt;
    }
    if (S_ISDIR(info.st_mode)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return std::nullopt;
    }
    std::string contents;
    contents.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = std::error_code(errno, std::generic_category());
            return std::nullopt;
        }
        if (got == 0) {
            if (version != nullptr) {
                *version = FileVersion(fd.release(), info);
            }
            return contents;
        }
        contents.append(buffer, static_cast<std::size_t>(got));
    }
}

bool replaceFile(const std::filesystem::path& file, std::string_view contents,
                 unsigned newFileMode) {
    const auto target = writeTarget(file);
    if (!target) {
        return false;
    }
    const OpenedFolder folder(folderOf(*target));
    return folder.replace(target->filename().string(), contents, newFileMode);
}

} // namespace tovra::platform::emulated
