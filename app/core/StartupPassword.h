#pragma once

// Whether a start-up password is stored, so that start-up must ask for it.

#include "platform/Registry.h"

namespace tovra::mainwindow {

/// Opens the password key read-only, tests the value and closes the key
/// again. False when the key is missing or cannot be read; nothing is created.
[[nodiscard]] bool startupPasswordStored(platform::Registry& registry);

} // namespace tovra::mainwindow
