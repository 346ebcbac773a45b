#pragma once

// The picture tool's stamp: the picture a file holds, decoded in memory.
// Every picture the program can load is stamped (a BMP, a JPEG, a GIF's first
// frame), whatever the file's extension; nothing is written anywhere, so the
// wallpaper's converted bitmap is never touched.

#include "picture/Image.h"

#include <optional>
#include <string>

namespace tovra::painting {

/// The decoded picture; nothing when the path is empty or the file is
/// missing, unreadable, not a picture, damaged or too large.
[[nodiscard]] std::optional<picture::Image> loadStamp(const std::string& path);

} // namespace tovra::painting
