#pragma once

// Opening a key for the settings windows of the desktop subsystem: a key that
// cannot be opened leaves no key open, so that a later write fails instead of
// landing in the key that happened to be open before.

#include "platform/Registry.h"
#include "settings/RegistryAccess.h"

#include <string_view>

namespace tovra::desktop {

/// Sets the root, then opens (creating) path; false, with no key open, on failure.
bool openKeyOrNone(settings::RegistryAccess& access, platform::HKey root, std::string_view path);

} // namespace tovra::desktop
