#pragma once

// The Windows backend assembled. It makes every call itself but the tray
// icon, which stays the host toolkit's on both builds.

#include "platform/NativePlatform.h"

#include <memory>

namespace tovra::platform::win32 {

/// The Windows platform with the host's tray icon, which must outlive it.
[[nodiscard]] std::unique_ptr<NativePlatform> createWin32Platform(TrayIcon& tray);

} // namespace tovra::platform::win32
