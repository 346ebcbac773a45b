#pragma once

// Whether a start-up password is stored, so that start-up must ask for it.

#include "platform/Registry.h"

namespace tovra::mainwindow {

/// Opens the password key (creating it when it is missing), tests the value
/// and closes the key again. False when the key cannot be opened or created.
[[nodiscard]] bool startupPasswordStored(platform::Registry& registry);

} // namespace tovra::mainwindow
