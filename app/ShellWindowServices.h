#pragma once

// What the application shell's own small windows (the password prompt, the
// protection settings, the About window) work with; app/ keeps it alive
// longer than they live.

#include "platform/Platform.h"
#include "toolkit/core/ErrorRoute.h"

namespace tovra {

struct ShellWindowServices {
    platform::Platform& platform;
    ErrorRoute& errors;
};

} // namespace tovra
