#pragma once

// How the emulated backend keeps its files whole: every change is written to a
// temporary file in the same folder, flushed to disk and renamed over the old
// file, under an advisory lock on the folder. Two instances never lose each
// other's writes; a crash never leaves half a file; a reader never needs a lock.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace tovra::platform::emulated {

/// An exclusive advisory lock (flock) on a folder, held for the object's life.
class DirectoryLock {
public:
    explicit DirectoryLock(const std::filesystem::path& directory);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    /// False when the folder could not be opened or locked.
    [[nodiscard]] bool locked() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

/// The whole content of a file; nothing when it cannot be read, with the reason
/// in error (std::errc::no_such_file_or_directory for a missing file).
std::optional<std::string> readFile(const std::filesystem::path& file, std::error_code& error);

/// Replaces file with contents atomically. An existing file without write
/// permission (the emulated read-only attribute) is refused. A new file gets newFileMode less the
/// umask; an existing file keeps its mode. False when any step is refused; the
/// old file is then untouched.
bool replaceFile(const std::filesystem::path& file, std::string_view contents,
                 unsigned newFileMode = 0666);

} // namespace tovra::platform::emulated
