#pragma once

// How often the rotation changes the wallpaper, from the " setting" section.

#include "settings/IniFile.h"

#include <cstdint>
#include <string_view>

namespace tovra::wallpaper {

inline constexpr std::int64_t kDefaultPeriod = 3600;

/// The period in seconds for a unit name and a count: "hour" x 3600, "day"
/// x 86400, "week" x 604800 (names exact, case-sensitive); any other name
/// gives 3600 whatever the count. Computed in 64 bits: no count overflows.
[[nodiscard]] std::int64_t periodSeconds(std::string_view setname, std::int32_t setsize);

/// The period the settings file holds now: 3600 without a "setsize" key;
/// otherwise periodSeconds of "setname" (default "hour") and "setsize". A
/// "setsize" that is no integer, for a known unit, throws Error: the tick
/// then fails until the value is corrected.
[[nodiscard]] std::int64_t readRotationPeriod(const settings::IniFile& settings);

} // namespace tovra::wallpaper
