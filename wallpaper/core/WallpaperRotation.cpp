#include "wallpaper/core/WallpaperRotation.h"

#include "picture/PictureFile.h"
#include "settings/SettingsIndex.h"
#include "wallpaper/core/RotationPeriod.h"

#include <limits>
#include <utility>

namespace tovra::wallpaper {

WallpaperRotation::WallpaperRotation(WallpaperSetterSource& setters, EntryDraw draw)
    : setters_(setters)
    , draw_(std::move(draw)) {}

void WallpaperRotation::tmr1Timer(const settings::IniFile& settings, RotationCounters counters,
                                  const WallpaperEntries& entries) {
    if (counters.ElapsedSeconds < std::numeric_limits<std::int32_t>::max()) {
        ++counters.ElapsedSeconds;
    }
    if (counters.ElapsedSeconds < readRotationPeriod(settings)) {
        return;
    }
    const std::vector<std::string> list = entries();
    ChangeWallpaper(settings, counters, list);
    counters.ElapsedSeconds = 0;
}

void WallpaperRotation::ChangeWallpaper(const settings::IniFile& settings,
                                        RotationCounters counters,
                                        std::span<const std::string> entries) {
    const int style = settings.readInteger(
        settings::sectionName(settings::kSectionPrefix, settings::section::kSettingShow),
        std::string(settings::key::kSetShow), 0);
    const auto chosen = chooseNextEntry(
        entries.size(), counters.SelectMode, counters.PicIndex, draw_,
        [entries](std::size_t position) { return picture::pictureFileExists(entries[position]); });
    if (chosen) {
        setters_.setter().applyWallpaper(entries[*chosen], ApplyVariant::Rotation, style);
    }
}

} // namespace tovra::wallpaper
