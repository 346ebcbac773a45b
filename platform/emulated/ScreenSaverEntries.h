#pragma once

// The screen savers that the emulated system folder offers: one "<name>.scr"
// for each screen-saver program of the real desktop's xscreensaver collection
// (Debian's xscreensaver-data, xscreensaver-data-extra, ...) and one for the
// project's own screen saver. Each entry is a small shell script that hands
// the Windows screen-saver arguments (" /p <window>", " /s") to the project's
// screen-saver program, which draws itself or runs the xscreensaver program
// inside that window or full screen.
//
// Entries carry a marker line, so that only the program's own entries are
// ever rewritten or removed: a screen saver that the user dropped into the
// folder is left alone, even under the same name.

#include <filesystem>
#include <string>
#include <vector>

namespace tovra::platform::emulated {

struct ScreenSaverSources {
    /// The project's screen-saver program; empty when there is none, and then
    /// no entry is offered.
    std::filesystem::path saverProgram;
    /// Where xscreensaver's programs are installed, and the folder whose
    /// "<name>.xml" descriptions tell its screen savers from its helpers.
    std::filesystem::path hackFolder = "/usr/libexec/xscreensaver";
    std::filesystem::path hackDescriptions = "/usr/share/xscreensaver/config";
};

/// The project's own entry.
inline constexpr const char* kOwnScreenSaverEntry = "TovraDesktop.scr";

/// The xscreensaver programs that are screen savers: executable files of the
/// hack folder with a description, sorted by name.
[[nodiscard]] std::vector<std::filesystem::path> installedHacks(const ScreenSaverSources& sources);

/// Brings folder's entries in line with what is installed: writes missing or
/// outdated entries, removes those whose program is gone. Files that are not
/// entries of this program are never touched. Failures are skipped.
void syncScreenSaverEntries(const std::filesystem::path& folder, const ScreenSaverSources& sources);

/// The script of an entry that runs saverProgram, with "--hack <hack>" before
/// the screen saver's own arguments when hack is not empty.
[[nodiscard]] std::string screenSaverEntryScript(const std::filesystem::path& saverProgram,
                                                 const std::filesystem::path& hack);

} // namespace tovra::platform::emulated
