#include "wallpaper/core/NextEntry.h"

#include <chrono>
#include <memory>
#include <random>

namespace tovra::wallpaper {

EntryDraw uniformEntryDraw() {
    std::seed_seq seed{static_cast<std::uint64_t>(std::random_device{}()),
                       static_cast<std::uint64_t>(
                           std::chrono::high_resolution_clock::now().time_since_epoch().count())};
    auto generator = std::make_shared<std::mt19937_64>(seed);
    return [generator](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(*generator);
    };
}

std::optional<std::size_t> chooseNextEntry(std::size_t count, int selectMode, int& PicIndex,
                                           const EntryDraw& draw,
                                           const std::function<bool(std::size_t)>& fileExists) {
    if (count == 0) {
        return std::nullopt;
    }
    const bool atRandom = selectMode == kSelectAtRandom;
    std::size_t start = 0;
    if (atRandom) {
        start = draw(count) % count;
    } else if (PicIndex >= 0 && static_cast<std::size_t>(PicIndex) < count) {
        start = static_cast<std::size_t>(PicIndex);
    }
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t position = (start + step) % count;
        if (fileExists(position)) {
            if (!atRandom) {
                PicIndex = static_cast<int>((position + 1) % count);
            }
            return position;
        }
    }
    return std::nullopt;
}

} // namespace tovra::wallpaper
