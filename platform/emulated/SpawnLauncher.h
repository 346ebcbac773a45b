#pragma once

// The real start of a program. A detached one: a double fork, the middle
// process starting a new session and leaving at once, so that the program
// belongs to no one here, is never waited for and never becomes a zombie of
// ours. A child: one fork into a session of its own, kept until it is stopped.

#include "platform/emulated/Launcher.h"

namespace tovra::platform::emulated {

class SpawnLauncher final : public Launcher {
public:
    /// Returns once the program has been executed (or failed to be): a failed
    /// exec is reported as its errno, through a pipe that the exec closes.
    int launchDetached(const LaunchRequest& request) override;
    int launchChild(const LaunchRequest& request, ChildId& child) override;
    void stopChild(ChildId child) override;
};

} // namespace tovra::platform::emulated
