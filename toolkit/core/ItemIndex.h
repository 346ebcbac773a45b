#pragma once

// The index a radio group ends up with when it is given one: an index below
// -1 selects nothing (-1), one beyond the last item selects the last item.
// Window-free, so that the rules which predict what a window will show can use
// it as well as the control itself.

namespace tovra::toolkit {

[[nodiscard]] constexpr int radioItemIndex(int requested, int itemCount) {
    if (requested < -1) {
        return -1;
    }
    if (requested >= itemCount) {
        return itemCount - 1;
    }
    return requested;
}

} // namespace tovra::toolkit
