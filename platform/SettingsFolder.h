#pragma once

// Where a program keeps its settings file when the folder of its executable
// cannot be written (an installed program): the user's configuration folder
// of this system, or nothing where the file always stays beside the
// executable (Windows, as it always has).

#include <filesystem>
#include <optional>
#include <string_view>

namespace tovra::platform {

/// The user's folder for program's settings; nothing is created.
[[nodiscard]] std::optional<std::filesystem::path> userSettingsFolder(std::string_view program);

} // namespace tovra::platform
