#pragma once

// The picture file's pixels, for the root window.

#include "platform/host/setroot/RootImage.h"

#include <optional>
#include <string>

namespace tovra::platform::host::setroot {

/// The picture at path decoded; nothing when it cannot be read or decoded.
[[nodiscard]] std::optional<Pixels> loadPicture(const std::string& path);

} // namespace tovra::platform::host::setroot
