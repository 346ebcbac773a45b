#pragma once

// The rotation: the one-second timer's work (tmr1Timer, without the timer)
// and the wallpaper change it makes when the period has passed.

#include "settings/IniFile.h"
#include "wallpaper/core/NextEntry.h"
#include "wallpaper/core/WallpaperSetterSource.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tovra::wallpaper {

/// The program-wide values the rotation counts with (kept by app/).
struct RotationCounters {
    /// Seconds since the last change that completed.
    std::int32_t& ElapsedSeconds;
    /// 0 in order, 1 at random.
    int SelectMode;
    /// The next position in order.
    int& PicIndex;
};

/// The wallpaper list as it stands (lvpicture's entries); asked for only when
/// a change is due.
using WallpaperEntries = std::function<std::vector<std::string>()>;

class WallpaperRotation {
public:
    /// The setter is asked for only when a picture is applied.
    explicit WallpaperRotation(WallpaperSetterSource& setters, EntryDraw draw = uniformEntryDraw());

    /// One tick: ElapsedSeconds grows by one (it stops at the largest count
    /// rather than wrapping), whatever follows; the period is read afresh
    /// from the settings file; once ElapsedSeconds reaches it, ChangeWallpaper
    /// runs and, when it completes, ElapsedSeconds returns to 0. A failure (an
    /// unreadable period, no setter yet, a picture that does not decode, the
    /// registry) throws and keeps the count, so the next tick tries again.
    void tmr1Timer(const settings::IniFile& settings, RotationCounters counters,
                   const WallpaperEntries& entries);

    /// Applies the next entry (chooseNextEntry) through the rotation's apply
    /// sequence with the display style "setshow" of " SettingShow". An empty
    /// list, or one whose files are all missing, completes without change and
    /// without asking for the setter.
    void ChangeWallpaper(const settings::IniFile& settings, RotationCounters counters,
                         std::span<const std::string> entries);

private:
    WallpaperSetterSource& setters_;
    EntryDraw draw_;
};

} // namespace tovra::wallpaper
