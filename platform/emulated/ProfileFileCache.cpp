#include "platform/emulated/ProfileFileCache.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tovra::platform::emulated {

namespace {

/// The program keeps one settings file; a few more entries cover tests and tools.
constexpr std::size_t kMaxEntries = 16;

std::int64_t nanoseconds(const struct timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

/// A descriptor closed at the end of its scope.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int get() const { return fd_; }

private:
    int fd_;
};

bool readAll(int fd, std::string& contents) {
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0;
        }
        contents.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

} // namespace

std::int64_t ProfileFileCache::now() {
    struct timespec time {};
    ::clock_gettime(CLOCK_REALTIME, &time);
    return nanoseconds(time);
}

std::optional<ProfileFileCache::Identity>
ProfileFileCache::identityOf(const std::filesystem::path& file, std::error_code& error) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        error = lastError();
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        // A folder, pipe or device is never a profile file; opening a pipe would block.
        error = std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory
                                                           : std::errc::invalid_argument);
        return std::nullopt;
    }
    return identityFrom(info);
}

ProfileFileCache::Identity ProfileFileCache::identityFrom(const struct ::stat& info) {
    return Identity{static_cast<std::uint64_t>(info.st_dev),
                    static_cast<std::uint64_t>(info.st_ino),
                    static_cast<std::int64_t>(info.st_size), nanoseconds(info.st_mtim),
                    nanoseconds(info.st_ctim)};
}

bool ProfileFileCache::settled(const Entry& entry) {
    const std::int64_t lastChange = std::max(entry.identity.modified, entry.identity.changed);
    const std::int64_t settle = std::chrono::nanoseconds(kSettleTime).count();
    return lastChange + settle < entry.verifiedAt;
}

ProfileFileCache::Entry* ProfileFileCache::current(const std::filesystem::path& file,
                                                   std::error_code& error) {
    error.clear();
    const auto identity = identityOf(file, error);
    if (!identity) {
        entries_.erase(file.string());
        return nullptr;
    }
    const auto it = entries_.find(file.string());
    if (it != entries_.end() && it->second.identity == *identity && settled(it->second)) {
        return &it->second;
    }
    return reload(file, error);
}

ProfileFileCache::Entry* ProfileFileCache::reload(const std::filesystem::path& file,
                                                  std::error_code& error) {
    const std::int64_t started = now();
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    std::string bytes;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !readAll(fd.get(), bytes)) {
        error = lastError();
        entries_.erase(file.string());
        return nullptr;
    }
    const Identity identity = identityFrom(info);
    const auto it = entries_.find(file.string());
    if (it != entries_.end() && it->second.bytes == bytes) {
        it->second.identity = identity; // same content: the parsed copy stands
        it->second.verifiedAt = started;
        return &it->second;
    }
    if (it == entries_.end() && entries_.size() >= kMaxEntries) {
        entries_.clear();
    }
    Entry& entry = entries_[file.string()];
    entry.document = decodeProfile(bytes);
    entry.bytes = std::move(bytes);
    entry.identity = identity;
    entry.verifiedAt = started;
    return &entry;
}

const ProfileDocument* ProfileFileCache::read(const std::filesystem::path& file,
                                              std::error_code& error) {
    Entry* entry = current(file, error);
    return entry != nullptr ? &entry->document : nullptr;
}

std::optional<ProfileDocument> ProfileFileCache::take(const std::filesystem::path& file,
                                                      std::error_code& error) {
    Entry* entry = current(file, error);
    if (entry == nullptr) {
        return std::nullopt;
    }
    ProfileDocument document = std::move(entry->document);
    entries_.erase(file.string());
    return document;
}

void ProfileFileCache::remember(const std::filesystem::path& file, std::string bytes,
                                ProfileDocument document, std::int64_t writeStarted) {
    std::error_code ignored;
    const auto identity = identityOf(file, ignored);
    if (!identity) {
        entries_.erase(file.string());
        return;
    }
    if (entries_.size() >= kMaxEntries) {
        entries_.clear();
    }
    entries_[file.string()] = Entry{*identity, std::move(bytes), std::move(document), writeStarted};
}

} // namespace tovra::platform::emulated
