#pragma once

// The user's own folders as the freedesktop conventions name them: the home
// folder, the data and configuration folders, the autostart folder and the
// desktop folder. Each is looked up afresh at
// every call, from the environment of that moment.

#include <filesystem>
#include <optional>

namespace tovra::platform::emulated {

/// $HOME when it is an absolute path, else the home folder of the account
/// (getpwuid); nothing when neither is known.
[[nodiscard]] std::optional<std::filesystem::path> homeFolder();

/// $XDG_DATA_HOME when it is an absolute path (an empty or relative value is
/// ignored, as the base-directory rules say), else <home>/.local/share.
[[nodiscard]] std::optional<std::filesystem::path> dataFolder();

/// $XDG_CONFIG_HOME when it is an absolute path, else <home>/.config.
[[nodiscard]] std::optional<std::filesystem::path> configFolder();

/// Where the desktop looks for the user's own autostart entries: <config>/autostart.
[[nodiscard]] std::optional<std::filesystem::path> autostartFolder();

/// What `xdg-user-dir DESKTOP` answers: XDG_DESKTOP_DIR from
/// <config>/user-dirs.dirs, else from the environment, else <home>/Desktop.
[[nodiscard]] std::optional<std::filesystem::path> desktopFolder();

} // namespace tovra::platform::emulated
