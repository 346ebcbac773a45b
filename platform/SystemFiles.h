#pragma once

// GetTempPathA, SetFileAttributesA and GetSystemDirectoryA, and the atomic
// replacement of a file's content.

#include <cstdint>
#include <string>
#include <string_view>

namespace tovra::platform {

inline constexpr std::uint32_t kFileAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kFileAttributeHidden = 0x02;
inline constexpr std::uint32_t kFileAttributeNormal = 0x80;

class SystemFiles {
public:
    virtual ~SystemFiles() = default;

    /// GetTempPathA: the user's temporary directory, ending in its separator.
    /// The directory exists and belongs to the user.
    virtual std::string tempPath() = 0;

    /// SetFileAttributesA; false when the file is missing or the call is refused.
    virtual bool setFileAttributes(const std::string& path, std::uint32_t attributes) = 0;

    /// GetSystemDirectoryA: the folder that holds the system's screen savers,
    /// without a trailing separator.
    virtual std::string systemDirectory() = 0;

    /// Gives the file exactly these bytes, all at once: they are written to
    /// a new file beside it, flushed, and renamed over it, so that a failure
    /// (or a crash) at any point leaves the old file whole. A read-only file
    /// is refused. False when any step fails; nothing is changed then.
    virtual bool replaceFile(const std::string& path, std::string_view bytes) = 0;
};

} // namespace tovra::platform
