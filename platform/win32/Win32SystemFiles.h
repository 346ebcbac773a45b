#pragma once

// GetTempPathA, SetFileAttributesA and GetSystemDirectoryA on Windows.

#include "platform/SystemFiles.h"

namespace tovra::platform::win32 {

class Win32SystemFiles final : public SystemFiles {
public:
    /// The user's temporary folder with its trailing backslash, as Windows gives it.
    std::string tempPath() override;
    bool setFileAttributes(const std::string& path, std::uint32_t attributes) override;
    std::string systemDirectory() override;
    /// A temporary file in the same folder, flushed, then MoveFileExA with
    /// MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH.
    bool replaceFile(const std::string& path, std::string_view bytes) override;
};

} // namespace tovra::platform::win32
