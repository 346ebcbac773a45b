#pragma once

// Where a program named on a command line is: a path is taken as it stands, a
// bare name is looked up in a list of folders and then in PATH.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace tovra::platform::emulated {

/// A name with a slash: the file itself when it is a regular file (whether it
/// may be run is the start's business). A bare name: the first regular file
/// that the user may run in firstFolders, then in the folders of PATH
/// (/usr/local/bin:/usr/bin:/bin when PATH is unset). Nothing otherwise.
[[nodiscard]] std::optional<std::filesystem::path>
findProgram(std::string_view name, const std::vector<std::filesystem::path>& firstFolders = {});

} // namespace tovra::platform::emulated
