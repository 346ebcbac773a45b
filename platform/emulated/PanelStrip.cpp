#include "platform/emulated/PanelStrip.h"

#include <array>
#include <cstdint>

namespace tovra::platform::emulated {

namespace {

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom && inner.left < inner.right && inner.top < inner.bottom;
}

std::int64_t area(const Rect& rect) {
    return std::int64_t{rect.width()} * rect.height();
}

} // namespace

std::optional<Rect> panelStrip(const Rect& screen, const Rect& available) {
    if (!inside(available, screen)) {
        return std::nullopt;
    }
    const std::array<Rect, 4> strips{{
        {screen.left, available.bottom, screen.right, screen.bottom}, // bottom
        {screen.left, screen.top, screen.right, available.top},       // top
        {screen.left, screen.top, available.left, screen.bottom},     // left
        {available.right, screen.top, screen.right, screen.bottom},   // right
    }};
    std::optional<Rect> largest;
    for (const Rect& strip : strips) {
        if (area(strip) > 0 && (!largest || area(strip) > area(*largest))) {
            largest = strip;
        }
    }
    return largest;
}

} // namespace tovra::platform::emulated
