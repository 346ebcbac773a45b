#pragma once

// Which Windows mouse message a click on the host's tray icon stands for.
// Some trays (the StatusNotifierItem hosts of KDE and of GNOME's tray
// extensions) report a single activation only, never a double-click; there
// a single left activation does what the double-click does elsewhere, so that
// the program's window can be called up from the tray on every desktop.

#include <cstdint>

namespace tovra::platform {

enum class TrayActivation { Single, Double, Context, Middle, Unknown };

/// WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP or WM_MBUTTONUP; 0 for an
/// unknown activation. Where the tray reports no double-clicks, a single
/// activation gives WM_LBUTTONDBLCLK.
[[nodiscard]] std::intptr_t mouseMessageFor(TrayActivation activation, bool reportsDoubleClicks);

} // namespace tovra::platform
