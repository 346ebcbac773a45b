#pragma once

// The few values the whole program shares, all of them the wallpaper
// rotation's: its count, its selection mode and position, and the temporary
// folder its pictures are converted in. app/ creates one ProgramState and
// hands it by reference to the windows that need it (the main window loads
// and saves the count, the rotation settings window sets the mode).

#include <cstdint>
#include <string>

namespace tovra {

struct ProgramState {
    /// Seconds since the last automatic wallpaper change: loaded at start,
    /// counted by the rotation timer, saved at exit.
    std::int32_t ElapsedSeconds = 3500;
    /// The rotation's selection mode: 0 in order, 1 at random.
    int SelectMode = 0;
    /// The rotation's position in the wallpaper list.
    int PicIndex = 0;
    /// The user's temporary directory, captured once when the preview window is created.
    std::string TempDir;
};

} // namespace tovra
