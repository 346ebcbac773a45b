#pragma once

// Where the real desktop's panel (its taskbar) lies: the strip of the primary
// screen that the available area leaves out.

#include "platform/Types.h"

#include <optional>

namespace tovra::platform::emulated {

/// The strip along the edge where screen and available differ, across the
/// whole width or height of the screen. When several edges carry a panel the
/// largest strip wins (a dock rather than a thin top bar), ties going to the
/// bottom, then the top, the left and the right. Nothing when the two are
/// equal, or when available does not lie inside screen.
[[nodiscard]] std::optional<Rect> panelStrip(const Rect& screen, const Rect& available);

} // namespace tovra::platform::emulated
