#pragma once

// The transparency drag on the main window's "A" button: each move of the
// pointer raises the opacity by one step when it went right of where the last
// move ended, and lowers it otherwise (a move without horizontal progress
// lowers it too). The last X outlives the drag: the first move of the next
// drag compares with where this one ended.

#include <cstdint>

namespace tovra::mainwindow {

inline constexpr int kOpacityStep = 5;
inline constexpr int kOpacityMin = 0;
inline constexpr int kOpacityMax = 255;

class TransparencyDrag {
public:
    /// A move to x (in the button's coordinates) with the track bar at value:
    /// the new value, within kOpacityMin..kOpacityMax.
    [[nodiscard]] int move(std::int32_t x, int value);

    [[nodiscard]] std::int32_t lastX() const { return lastX_; }

private:
    std::int32_t lastX_ = 0;
};

} // namespace tovra::mainwindow
