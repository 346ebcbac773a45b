#pragma once

// GetTempPathA, SetFileAttributesA and GetSystemDirectoryA.

#include <cstdint>
#include <string>

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
};

} // namespace tovra::platform
