#pragma once

// The shell calls: ShellExecuteA, SHAddToRecentDocs and
// SystemParametersInfoA(SPI_SETDESKWALLPAPER).

#include "platform/Types.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tovra::platform {

inline constexpr int kSwHide = 0;
inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShow = 5;

inline constexpr unsigned kShardPath = 2;

inline constexpr unsigned kSpiSetDeskWallpaper = 20;
inline constexpr unsigned kSpifUpdateIniFile = 1;
inline constexpr unsigned kSpifSendWinIniChange = 2;

class Shell {
public:
    virtual ~Shell() = default;

    /// ShellExecuteA. An empty operation, parameters or directory stands for a
    /// null pointer. Returns the call's result (greater than 32 on success).
    virtual std::intptr_t shellExecute(Hwnd owner, const std::string& operation,
                                       const std::string& file, const std::string& parameters,
                                       const std::string& directory, int showCommand) = 0;

    /// SHAddToRecentDocs; a missing path with kShardPath empties the list.
    virtual void addToRecentDocs(unsigned flags, const std::optional<std::string>& path) = 0;

    /// SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path, winIniFlags).
    virtual bool setDeskWallpaper(const std::string& path, unsigned winIniFlags) = 0;
};

} // namespace tovra::platform
