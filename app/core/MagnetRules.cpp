#include "app/core/MagnetRules.h"

#include <algorithm>
#include <limits>

namespace tovra::magnet {

namespace {

using platform::Point;
using platform::Rect;

// Positions, sizes and MagEffect are 32-bit values that the user or the window
// system may set to anything; the sums of the rules are taken in 64 bits so
// that no combination of them overflows.
using Wide = std::int64_t;

constexpr std::uint16_t kKeyDownBit = 0x8000;

std::int32_t narrow(Wide value) {
    return static_cast<std::int32_t>(std::clamp<Wide>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

Wide distance(Wide a, Wide b) {
    return a > b ? a - b : b - a;
}

struct Corner {
    Wide left = 0;
    Wide top = 0;
};

// One target: the window's top edge to the target's bottom, else its bottom edge
// to the target's top; then the same across. The axes are tested on their own,
// so an edge snaps to the target's edge line even where the two do not overlap.
void snapToTarget(Corner& at, Wide width, Wide height, Wide effect, const Rect& target) {
    if (distance(target.bottom, at.top) < effect) {
        at.top = target.bottom;
    } else if (distance(at.top + height, target.top) < effect) {
        at.top = target.top - height;
    }
    if (distance(target.right, at.left) < effect) {
        at.left = target.right;
    } else if (distance(at.left + width, target.left) < effect) {
        at.left = target.left - width;
    }
}

// Both tests run, in this order: a window larger than the screen ends flush
// with the far edge.
void snapToScreen(Wide& position, Wide extent, Wide screenExtent, Wide effect) {
    if (position < effect) {
        position = 0;
    }
    if (position > screenExtent - extent - effect) {
        position = screenExtent - extent;
    }
}

struct Edges {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

Edges edgesOf(int hitCode) {
    switch (hitCode) {
    case kHtLeft:
        return {.left = true};
    case kHtRight:
        return {.right = true};
    case kHtTop:
        return {.top = true};
    case kHtBottom:
        return {.bottom = true};
    case kHtTopLeft:
        return {.left = true, .top = true};
    case kHtTopRight:
        return {.top = true, .right = true};
    case kHtBottomLeft:
        return {.left = true, .bottom = true};
    case kHtBottomRight:
        return {.right = true, .bottom = true};
    default:
        return {};
    }
}

// The moving edge of one axis, so that the extent stays within [least, most].
Wide movedEdge(Wide edge, Wide delta, Wide fixedEdge, Wide least, Wide most, bool towardsLower) {
    const Wide moved = edge + delta;
    return towardsLower ? std::clamp(moved, fixedEdge - most, fixedEdge - least)
                        : std::clamp(moved, fixedEdge + least, fixedEdge + most);
}

} // namespace

MagnetCore::MagnetCore(platform::DesktopWindows& windows, platform::Screen& screen)
    : windows_(windows)
    , screen_(screen) {}

void MagnetCore::press(Point client) {
    if (!Active) {
        return;
    }
    pressPoint_ = client;
    if (MagOption.MagCustom) {
        custom_.handle = CustomHandle;
        takeRect(custom_);
    }
    if (MagOption.MagExplorer) {
        search(explorer_, "CabinetWClass");
    }
    if (MagOption.MagTray) {
        search(tray_, "Shell_TrayWnd");
    }
}

void MagnetCore::search(Target& target, const char* className) {
    target.handle = windows_.findWindow(className, std::nullopt);
    takeRect(target);
}

void MagnetCore::takeRect(Target& target) {
    if (target.handle == 0) {
        return;
    }
    // A window that closed between the search and this query has no
    // rectangle; it is treated as not found rather than snapped to stale edges.
    if (const auto rect = windows_.getWindowRect(target.handle)) {
        target.rect = *rect;
    } else {
        target.handle = 0;
    }
}

std::optional<Point> MagnetCore::move(Point client, const Rect& ownerBounds) {
    if (!Active) {
        return std::nullopt;
    }
    const auto keyState =
        static_cast<std::uint16_t>(screen_.getAsyncKeyState(platform::kVkLButton));
    if ((keyState & kKeyDownBit) == 0) {
        return std::nullopt;
    }
    const Point proposed{narrow(Wide{ownerBounds.left} + client.x - pressPoint_.x),
                         narrow(Wide{ownerBounds.top} + client.y - pressPoint_.y)};
    return snapPosition(proposed, {ownerBounds.width(), ownerBounds.height()});
}

Point MagnetCore::snapPosition(Point proposed, Size owner) const {
    if (!Active) {
        return proposed;
    }
    Corner at{proposed.x, proposed.y};
    const Wide effect = MagEffect;
    const std::pair<bool, const Target*> targets[] = {
        {MagOption.MagCustom, &custom_},
        {MagOption.MagExplorer, &explorer_},
        {MagOption.MagTray, &tray_},
    };
    for (const auto& [enabled, target] : targets) {
        if (enabled && target->handle != 0) {
            snapToTarget(at, owner.width, owner.height, effect, target->rect);
        }
    }
    snapToScreen(at.left, owner.width, screen_.getSystemMetrics(platform::kSmCxScreen), effect);
    snapToScreen(at.top, owner.height, screen_.getSystemMetrics(platform::kSmCyScreen), effect);
    return {narrow(at.left), narrow(at.top)};
}

std::optional<int> MagnetCore::hitTest(Point client, Size owner, bool ownerStateNormal) const {
    if (!CanResize || !ownerStateNormal) {
        return std::nullopt;
    }
    const bool left = client.x < kSizingBorder;
    const bool top = client.y < kSizingBorder;
    const bool right = Wide{client.x} > Wide{owner.width} - kSizingBorder;
    const bool bottom = Wide{client.y} > Wide{owner.height} - kSizingBorder;
    // The first that applies, corners before sides.
    const std::pair<bool, int> table[] = {
        {left && top, kHtTopLeft},
        {right && top, kHtTopRight},
        {right && bottom, kHtBottomRight},
        {left && bottom, kHtBottomLeft},
        {left, kHtLeft},
        {top, kHtTop},
        {right, kHtRight},
        {bottom, kHtBottom},
    };
    for (const auto& [applies, code] : table) {
        if (applies) {
            return code;
        }
    }
    return std::nullopt;
}

Rect resizedBounds(const Rect& start, int hitCode, Point delta, Size minimum, Size maximum) {
    const Edges edges = edgesOf(hitCode);
    const Wide leastWidth = std::max(minimum.width, 0);
    const Wide mostWidth = std::max<Wide>(maximum.width, leastWidth);
    const Wide leastHeight = std::max(minimum.height, 0);
    const Wide mostHeight = std::max<Wide>(maximum.height, leastHeight);
    Rect result = start;
    if (edges.left) {
        result.left =
            narrow(movedEdge(start.left, delta.x, start.right, leastWidth, mostWidth, true));
    } else if (edges.right) {
        result.right =
            narrow(movedEdge(start.right, delta.x, start.left, leastWidth, mostWidth, false));
    }
    if (edges.top) {
        result.top =
            narrow(movedEdge(start.top, delta.y, start.bottom, leastHeight, mostHeight, true));
    } else if (edges.bottom) {
        result.bottom =
            narrow(movedEdge(start.bottom, delta.y, start.top, leastHeight, mostHeight, false));
    }
    return result;
}

} // namespace tovra::magnet
