#pragma once

// The emulated Windows assembled: every platform service over one state root,
// with the host's message boxes and tray icon. The Run values of its registry
// are also the user's autostart entries ($XDG_CONFIG_HOME/autostart).

#include "platform/NativePlatform.h"
#include "platform/emulated/StateRoot.h"

#include <memory>

namespace tovra::platform::emulated {

/// The emulated platform on a given state root (createNativePlatform uses the
/// user's). The host services must outlive it.
[[nodiscard]] std::unique_ptr<NativePlatform> createEmulatedPlatform(HostServices host,
                                                                     StateRoot root);

} // namespace tovra::platform::emulated
