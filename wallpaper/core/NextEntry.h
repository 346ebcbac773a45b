#pragma once

// Which entry of the wallpaper list the rotation applies next.

#include <cstddef>
#include <functional>
#include <optional>

namespace tovra::wallpaper {

inline constexpr int kSelectInOrder = 0;
inline constexpr int kSelectAtRandom = 1;

/// A uniform draw of a position below count (count at least 1).
using EntryDraw = std::function<std::size_t(std::size_t count)>;

/// A draw from a generator seeded from the system's entropy and the clock.
[[nodiscard]] EntryDraw uniformEntryDraw();

/// The position to apply among count entries: at random (selectMode 1) a
/// uniform draw over all positions; otherwise PicIndex, or 0 when PicIndex
/// lies outside the list (a list shortened since). An entry whose file is
/// missing is passed over for the next one, round the end to the start, at
/// most once round the list. In order, PicIndex then moves to the entry after
/// the chosen one, 0 after the last. Nothing when the list is empty or no
/// file of it exists; PicIndex is then left as it was.
[[nodiscard]] std::optional<std::size_t>
chooseNextEntry(std::size_t count, int selectMode, int& PicIndex, const EntryDraw& draw,
                const std::function<bool(std::size_t)>& fileExists);

} // namespace tovra::wallpaper
