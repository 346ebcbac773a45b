#include "platform/emulated/FileStore.h"

#include <algorithm>
#include <cerrno>
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

/// The start of the names of target's temporary files; a random number follows it.
std::string temporaryPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".tmp-";
}

bool isTemporaryOf(const std::string& name, const std::string& prefix) {
    return name.size() > prefix.size() && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

/// Flushes a folder's entries, so that a rename in it survives a power cut.
/// A file system that cannot flush a folder (EINVAL) keeps nothing to flush.
bool flushFolder(const std::filesystem::path& folder) {
    FdCloser fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) {
        return false;
    }
    return ::fsync(fd.get()) == 0 || errno == EINVAL;
}

/// Opens a new temporary file beside target, named so that no reader mistakes it.
int openTemporary(const std::filesystem::path& target, unsigned mode, std::string& name) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string leaf = temporaryPrefix(target) + std::to_string(random());
        name = (target.parent_path() / leaf).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

/// A file without any write permission stands for a file with the Windows
/// read-only attribute, which refuses writes even from an administrator.
bool isWritableFile(const std::filesystem::path& file, const struct stat& info) {
    return S_ISREG(info.st_mode) && (info.st_mode & 0222) != 0 && ::access(file.c_str(), W_OK) == 0;
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
    const std::string prefix = temporaryPrefix(target);
    std::error_code error;
    std::vector<std::filesystem::path> leftovers;
    for (std::filesystem::directory_iterator it(folderOf(target), error), end; !error && it != end;
         it.increment(error)) {
        if (isTemporaryOf(it->path().filename().string(), prefix)) {
            leftovers.push_back(it->path());
        }
    }
    for (const auto& leftover : leftovers) {
        ::unlink(leftover.c_str());
    }
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

DirectoryLock::DirectoryLock(const std::filesystem::path& directory) {
    const std::string name = directory.empty() ? std::string(".") : directory.string();
    FdCloser fd(::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) {
        return;
    }
    int result = 0;
    do {
        result = ::flock(fd.get(), LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        fd_ = fd.release();
    }
}

DirectoryLock::~DirectoryLock() {
    if (fd_ >= 0) {
        ::close(fd_); // closing releases the lock
    }
}

std::optional<std::string> readFile(const std::filesystem::path& file, std::error_code& error) {
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
    struct stat existing {};
    const bool exists = ::stat(target->c_str(), &existing) == 0;
    if (exists && !isWritableFile(*target, existing)) {
        return false;
    }
    std::string temporary;
    FdCloser fd(openTemporary(*target, newFileMode, temporary));
    if (fd.get() < 0) {
        return false;
    }
    bool ok = writeAll(fd.get(), contents);
    if (ok && exists) {
        ok = ::fchmod(fd.get(), existing.st_mode & 07777) == 0;
    }
    ok = ok && ::fdatasync(fd.get()) == 0;
    ok = (::close(fd.release()) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), target->c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    return flushFolder(folderOf(*target));
}

} // namespace tovra::platform::emulated
