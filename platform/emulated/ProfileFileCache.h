#pragma once

// Parsed copies of profile files, so that a read in a large file costs one
// stat instead of a read and a parse. A copy is used only while the file is
// provably the one it was made from:
// - its identity (device, inode, size, modification and change times in
//   nanoseconds) must be unchanged. Every write of the emulated backend, in
//   this process or another, replaces the file by a rename, so it gets a new
//   inode; a program that rewrites the file in place changes its size or its
//   times;
// - a file modified less than kSettleTime before the copy was verified could
//   still be rewritten in place within the same timestamp tick, with the same
//   size. For such a file every read compares the bytes with the copy's.
// So every read still sees the file as it is on disk at that moment.

#include "platform/emulated/ProfileEncoding.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <unordered_map>

struct stat;

namespace tovra::platform::emulated {

class ProfileFileCache {
public:
    /// The longest time a file system may keep the same modification time
    /// across two writes (FAT counts in steps of two seconds).
    static constexpr std::chrono::milliseconds kSettleTime{2100};

    /// The file's document as it is on disk now; null when the file cannot be
    /// read, with the reason in error (no_such_file_or_directory when missing).
    /// The pointer holds until the next call.
    const ProfileDocument* read(const std::filesystem::path& file, std::error_code& error);

    /// The same, moved out of the cache for a change.
    std::optional<ProfileDocument> take(const std::filesystem::path& file, std::error_code& error);

    /// Records a document just written to file as bytes; writeStarted is the
    /// time taken before the write began.
    void remember(const std::filesystem::path& file, std::string bytes, ProfileDocument document,
                  std::int64_t writeStarted);

    /// The clock that file modification times follow, in nanoseconds.
    [[nodiscard]] static std::int64_t now();

private:
    struct Identity {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t modified = 0; // ns
        std::int64_t changed = 0;  // ns
        friend bool operator==(const Identity&, const Identity&) = default;
    };

    struct Entry {
        Identity identity;
        std::string bytes;
        ProfileDocument document;
        std::int64_t verifiedAt = 0; // when bytes were last known to match the file
    };

    static Identity identityFrom(const struct ::stat& info);
    static std::optional<Identity> identityOf(const std::filesystem::path& file,
                                              std::error_code& error);
    Entry* current(const std::filesystem::path& file, std::error_code& error);
    Entry* reload(const std::filesystem::path& file, std::error_code& error);
    [[nodiscard]] static bool settled(const Entry& entry);

    std::unordered_map<std::string, Entry> entries_; // by path as given
};

} // namespace tovra::platform::emulated
