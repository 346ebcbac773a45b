#pragma once

// Where the settings file is. Beside the executable, named after it, as the
// program has always kept it: a build folder and a portable copy work as
// they are. An installed program, whose folder cannot be written, keeps it in
// the user's settings folder under the same name instead; a file already
// beside the executable is always the one used.

#include <filesystem>
#include <optional>
#include <string>

namespace tovra::settings {

/// The rule: besideExists or folderWritable or no userFolder: the file
/// beside the executable (settingsIniPath); else userFolder/<name>.ini.
[[nodiscard]] std::string chooseSettingsIni(const std::string& executablePath, bool besideExists,
                                            bool folderWritable,
                                            const std::optional<std::filesystem::path>& userFolder);

/// The rule applied to the executable at hand and the platform's user
/// settings folder, which is created when it is chosen.
[[nodiscard]] std::string locateSettingsIni(const std::string& executablePath);

/// Whether a new file can be made in folder: tried, since permission bits do
/// not tell (root, read-only file systems, access lists).
[[nodiscard]] bool folderAcceptsFiles(const std::filesystem::path& folder);

} // namespace tovra::settings
