#pragma once

// What the desktop subsystem's windows work with; app/ keeps it alive longer
// than they live.

#include "platform/Platform.h"
#include "toolkit/core/ErrorRoute.h"

#include <string>

namespace tovra::desktop {

struct DesktopWindowServices {
    platform::Platform& platform;
    ErrorRoute& errors;
    /// The settings file (SettingsIni).
    std::string settingsFile;
};

} // namespace tovra::desktop
