#pragma once

// How the emulated backend keeps its files whole: every change is written to a
// temporary file in the same folder, flushed to disk and renamed over the old
// file, and the folder is flushed after the rename, all under an advisory lock
// on the folder. Two instances never lose each other's writes; a crash never
// leaves half a file, nor loses a write that was reported as done; a reader
// never needs a lock.
//
// A file that is a symbolic link is written through it: the file it leads to
// is replaced and the link stays (people keep configuration files in a folder
// of their own and link them where programs look).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

struct stat;

namespace tovra::platform::emulated {

/// A folder opened once, so that every step of a write happens in that very
/// folder, whatever becomes of its path meanwhile (renamed, or swapped for a
/// symbolic link to somewhere else). Its entries are replaced as they are: an
/// entry that is a symbolic link is itself replaced, never followed.
class OpenedFolder {
public:
    enum class Link {
        /// A symbolic link in the folder's place is followed, as open() does.
        Followed,
        /// A symbolic link in the folder's place is not opened.
        Refused,
    };

    explicit OpenedFolder(const std::filesystem::path& folder, Link link = Link::Followed);
    ~OpenedFolder();
    OpenedFolder(const OpenedFolder&) = delete;
    OpenedFolder& operator=(const OpenedFolder&) = delete;

    [[nodiscard]] bool opened() const { return fd_ >= 0; }
    /// The folder's descriptor; -1 when it could not be opened.
    [[nodiscard]] int fd() const { return fd_; }
    /// Why it could not be opened (an errno value: ELOOP for a refused link).
    [[nodiscard]] int openError() const { return openError_; }

    /// Takes the folder's exclusive advisory lock (flock, as DirectoryLock
    /// takes it) until the object goes. False when it cannot be taken.
    bool lock();

    /// Removes the temporary files that writers of the entry name left when
    /// they died. Only under the lock, under which every writer writes.
    void removeLeftoverTemporaries(std::string_view name) const;

    /// Replaces the entry name (a plain name, no separator) with contents, as
    /// replaceFile does. An entry that is a symbolic link is replaced by a
    /// file with newFileMode; its target is left alone.
    bool replace(std::string_view name, std::string_view contents,
                 unsigned newFileMode = 0666) const;

private:
    int fd_ = -1;
    int openError_ = 0;
};

/// An exclusive advisory lock (flock) on a folder, held for the object's life.
class DirectoryLock {
public:
    explicit DirectoryLock(const std::filesystem::path& directory);

    /// False when the folder could not be opened or locked.
    [[nodiscard]] bool locked() const { return locked_; }

private:
    OpenedFolder folder_;
    bool locked_ = false;
};

/// The file that a write of file changes: file itself, or, when it is a
/// symbolic link, the file at the end of its chain of links (which need not
/// exist yet). Nothing for a chain that loops or cannot be read.
[[nodiscard]] std::optional<std::filesystem::path> writeTarget(const std::filesystem::path& file);

/// Removes the temporary files that writers of target left when they died.
/// Only for a caller that holds the lock of target's folder, under which every
/// writer of target writes: then no living writer owns such a file.
void removeLeftoverTemporaries(const std::filesystem::path& target);

/// The lock under which a file is written: the DirectoryLock of the folder
/// that holds the file's write target. Every writer of the file takes it, so a
/// temporary file of that file found while it is held belongs to a writer that
/// died in the middle of a write: taking the lock removes such leftovers.
class FileWriteLock {
public:
    explicit FileWriteLock(const std::filesystem::path& file);

    /// False when the folder could not be locked or the file has no write target.
    [[nodiscard]] bool locked() const { return lock_ && lock_->locked(); }

private:
    std::optional<DirectoryLock> lock_;
};

/// One version of a file, told from every other without reading it: the
/// file's identity (device and inode) and its size and change times. The file
/// is held open while this is kept, so its inode cannot pass to another file
/// meanwhile. Every replacement of the file is a new inode; a change in place
/// moves its times.
class FileVersion {
public:
    FileVersion() = default;
    ~FileVersion();
    FileVersion(FileVersion&& other) noexcept;
    FileVersion& operator=(FileVersion&& other) noexcept;
    FileVersion(const FileVersion&) = delete;
    FileVersion& operator=(const FileVersion&) = delete;

    /// The version that file (followed through links) is now; none when it
    /// cannot be opened.
    [[nodiscard]] static FileVersion of(const std::filesystem::path& file);
    /// Takes over fd, an open descriptor of the file as info describes it.
    FileVersion(int fd, const struct stat& info);

    /// Whether file is still this very version. False for no version.
    [[nodiscard]] bool isCurrent(const std::filesystem::path& file) const;

private:
    int fd_ = -1;
    unsigned long long device_ = 0;
    unsigned long long inode_ = 0;
    long long size_ = 0;
    long long modified_ = 0;
    long long changed_ = 0;
};

/// The whole content of a file; nothing when it cannot be read, with the reason
/// in error (std::errc::no_such_file_or_directory for a missing file). When
/// version is given, it receives the version that was read.
std::optional<std::string> readFile(const std::filesystem::path& file, std::error_code& error,
                                    FileVersion* version = nullptr);

/// Replaces file (its write target) with contents atomically and durably. An
/// existing file without write permission (the emulated read-only attribute)
/// is refused. A new file gets newFileMode less the umask; an existing file
/// keeps its mode. False when any step is refused; the old file is then
/// untouched, unless only the final flush of the folder failed, which leaves
/// the new contents in place but not known to survive a power cut.
bool replaceFile(const std::filesystem::path& file, std::string_view contents,
                 unsigned newFileMode = 0666);

} // namespace tovra::platform::emulated
