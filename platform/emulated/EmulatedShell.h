#pragma once

// ShellExecuteA, SHAddToRecentDocs and SystemParametersInfoA(SPI_SETDESKWALLPAPER)
// of the emulated Windows. Pages and files open with the real desktop
// (xdg-open); every request is also a line of <root>/shell-executed.log:
// time, operation, file, parameters, directory, show command, result.

#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/emulated/HostWallpaper.h"
#include "platform/emulated/Launcher.h"
#include "platform/emulated/RecentDocuments.h"
#include "platform/emulated/StateRoot.h"

namespace tovra::platform::emulated {

inline constexpr std::intptr_t kShellExecuteStarted = 42;
/// SE_ERR_NOASSOC: no program is associated with the operation.
inline constexpr std::intptr_t kSeErrNoAssoc = 31;

class EmulatedShell final : public Shell {
public:
    /// hostWallpaper may be null: the real desktop's wallpaper is then left alone.
    EmulatedShell(Registry& registry, StateRoot root, Launcher& launcher,
                  HostWallpaper* hostWallpaper = nullptr);

    /// "open" (or no operation) and "explore" hand the file or web address to
    /// xdg-open, started in directory: 42 when it started, 2 when the file does
    /// not exist or there is no xdg-open. Any other operation: 31. Parameters
    /// cannot be passed through xdg-open; they are logged.
    std::intptr_t shellExecute(Hwnd owner, const std::string& operation, const std::string& file,
                               const std::string& parameters, const std::string& directory,
                               int showCommand) override;

    /// SHARD_PATH with a path: the path goes to the top of the list. No path
    /// (with any flag) empties the list. Other flags carry no path this
    /// backend can read and are ignored.
    void addToRecentDocs(unsigned flags, const std::optional<std::string>& path) override;

    /// A picture that does not exist is refused (false), an empty path removes
    /// the wallpaper. With SPIF_UPDATEINIFILE the path is stored as REG_SZ
    /// "Wallpaper" under HKCU\Control Panel\Desktop, where Windows keeps it.
    /// A picture is then handed to the real desktop, if there is one, in the
    /// style that "wallpaperstyle" beside it holds; what the real desktop
    /// makes of it does not change the result. An empty path leaves the real
    /// desktop's wallpaper alone: the program never removes the user's own.
    bool setDeskWallpaper(const std::string& path, unsigned winIniFlags) override;

    /// The emulated recent-documents list.
    [[nodiscard]] const RecentDocuments& recentDocuments() const { return recent_; }

private:
    std::intptr_t openWithDesktop(const std::string& file, const std::string& directory);
    bool storeWallpaper(const std::string& path);
    [[nodiscard]] WallpaperStyle storedStyle();

    Registry& registry_;
    StateRoot root_;
    Launcher& launcher_;
    HostWallpaper* hostWallpaper_;
    RecentDocuments recent_;
};

/// The style a "wallpaperstyle" value stands for: text or a DWORD holding 1
/// tiles, 2 stretches; anything else (0, no value, a code this program never
/// writes) centres, as Windows does with style 0.
[[nodiscard]] WallpaperStyle wallpaperStyleOf(const std::optional<RegValue>& value);

/// Whether text starts with a URL scheme ("https:", "mailto:"): a web address
/// rather than a file. One letter before the colon is a drive, not a scheme.
[[nodiscard]] bool isWebAddress(std::string_view text);

} // namespace tovra::platform::emulated
