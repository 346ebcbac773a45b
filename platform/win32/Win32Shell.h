#pragma once

// ShellExecuteA, SHAddToRecentDocs and SystemParametersInfoA(SPI_SETDESKWALLPAPER)
// on Windows. Paths and texts go to the calls in the ANSI code page.

#include "platform/Shell.h"

namespace tovra::platform::win32 {

class Win32Shell final : public Shell {
public:
    std::intptr_t shellExecute(Hwnd owner, const std::string& operation, const std::string& file,
                               const std::string& parameters, const std::string& directory,
                               int showCommand) override;
    /// With kShardPath (SHARD_PATHA) the path goes to the call as ANSI text.
    void addToRecentDocs(unsigned flags, const std::optional<std::string>& path) override;
    bool setDeskWallpaper(const std::string& path, unsigned winIniFlags) override;
};

} // namespace tovra::platform::win32
