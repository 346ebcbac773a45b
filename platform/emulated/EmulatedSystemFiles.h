#pragma once

// GetTempPathA, SetFileAttributesA and GetSystemDirectoryA of the emulated
// Windows. The temporary folder is <root>/Temp/, private to the user; the
// system folder is <root>/System32, where the user drops screen savers (*.scr)
// and which offers the real desktop's screen savers (ScreenSaverEntries).

#include "platform/SystemFiles.h"
#include "platform/emulated/ScreenSaverEntries.h"
#include "platform/emulated/StateRoot.h"

#include <filesystem>
#include <optional>

namespace tovra::platform::emulated {

class EmulatedSystemFiles final : public SystemFiles {
public:
    explicit EmulatedSystemFiles(StateRoot root, ScreenSaverSources screenSavers = {});
    /// Removes the fresh folder that stood in for a refused Temp, if any.
    ~EmulatedSystemFiles() override;
    EmulatedSystemFiles(const EmulatedSystemFiles&) = delete;
    EmulatedSystemFiles& operator=(const EmulatedSystemFiles&) = delete;

    /// <root>/Temp/, created with mode 0700 and checked to be a real folder
    /// of this user (never a symbolic link, which another program could aim
    /// anywhere). When it is not, the reason goes to stderr and a fresh
    /// private folder made by mkdtemp serves for the rest of this object's
    /// life, and is removed with this object. Throws Error when not even that
    /// can be made.
    std::string tempPath() override;

    /// FILE_ATTRIBUTE_READONLY takes every write permission away (what the
    /// emulated file store honours as read-only); any set without it gives the
    /// owner write permission back. Hidden has no counterpart here and is
    /// accepted without effect. On a folder nothing changes: Windows does not
    /// stop writes into a read-only folder either; nor on a symbolic link,
    /// whose target is left alone. False for a missing file.
    bool setFileAttributes(const std::string& path, std::uint32_t attributes) override;

    /// <root>/System32, created when missing, its screen-saver entries
    /// brought in line with what is installed.
    std::string systemDirectory() override;

    /// Replaces the file in its folder, opened once, under the folder's lock;
    /// a file without write permission (the emulated read-only attribute) is
    /// refused, a symbolic link is replaced and its target left alone. In the
    /// temporary folder the write is refused when the folder is no longer a
    /// private folder of this user (swapped for a link since tempPath()).
    bool replaceFile(const std::string& path, std::string_view bytes) override;

private:
    std::filesystem::path fallbackFolder();
    /// Whether folder is <root>/Temp or the folder that stands in for it.
    [[nodiscard]] bool isTemporaryFolder(const std::filesystem::path& folder) const;

    StateRoot root_;
    ScreenSaverSources screenSavers_;
    std::optional<std::filesystem::path> fallback_;
};

/// Makes folder (mode 0700) when it is missing and checks that it is a real
/// folder owned by this user, tightening its mode to 0700. On refusal returns
/// false with the reason in problem.
bool preparePrivateFolder(const std::filesystem::path& folder, std::string& problem);

} // namespace tovra::platform::emulated
