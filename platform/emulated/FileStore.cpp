#include "platform/emulated/FileStore.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

/// Opens a new temporary file beside target, named so that no reader mistakes it.
int openTemporary(const std::filesystem::path& target, unsigned mode, std::string& name) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string leaf = ".";
        leaf += target.filename().string();
        leaf += ".tmp-";
        leaf += std::to_string(random());
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
    struct stat existing {};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    if (exists && !isWritableFile(file, existing)) {
        return false;
    }
    std::string temporary;
    FdCloser fd(openTemporary(file, newFileMode, temporary));
    if (fd.get() < 0) {
        return false;
    }
    bool ok = writeAll(fd.get(), contents);
    if (ok && exists) {
        ok = ::fchmod(fd.get(), existing.st_mode & 07777) == 0;
    }
    ok = ok && ::fdatasync(fd.get()) == 0;
    ok = (::close(fd.release()) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
    }
    return ok;
}

} // namespace tovra::platform::emulated
