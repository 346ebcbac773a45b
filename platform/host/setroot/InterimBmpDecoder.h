#pragma once

// A stopgap: uncompressed 24- and 32-bit Windows bitmaps only, the kind the
// wallpaper setter writes. It goes when the program's picture module, which
// reads every picture the program takes, serves the root window.

#include "platform/host/setroot/RootImage.h"

#include <optional>
#include <string>

namespace tovra::platform::host::setroot {

/// Nothing for any other file, or one larger than 100 million pixels.
[[nodiscard]] std::optional<Pixels> decodeInterimBmp(const std::string& path);

} // namespace tovra::platform::host::setroot
