#pragma once

// The emulated Windows assembled: every platform service over one state root,
// with the host's message boxes and tray icon. The Run values of its registry
// are also the user's autostart entries ($XDG_CONFIG_HOME/autostart). The
// program's own createNativePlatform (platform/host) adds the real desktop's
// wallpaper; tests leave it out, so that they never change the desktop of
// whoever runs them.

#include "platform/NativePlatform.h"
#include "platform/emulated/HostWallpaper.h"
#include "platform/emulated/StateRoot.h"

#include <memory>

namespace tovra::platform::emulated {

/// The emulated platform on a given state root (createNativePlatform uses the
/// user's). The host services must outlive it; the platform owns
/// hostWallpaper, which may be null (the wallpaper then changes only in the
/// emulated registry). The root is made private first (StateRoot::makePrivate):
/// a root of another user, or one that cannot be closed to others, throws
/// Error with the reason, and no platform is made.
[[nodiscard]] std::unique_ptr<NativePlatform>
createEmulatedPlatform(HostServices host, StateRoot root,
                       std::unique_ptr<HostWallpaper> hostWallpaper = nullptr);

} // namespace tovra::platform::emulated
