#pragma once

// The programs that come with TovraDesktop (the root-window painter, the
// screen saver): beside the executable in a build folder or a portable copy,
// and in the install prefix's libexec folder once installed, which keeps
// them out of the user's command path.

#include <filesystem>
#include <string_view>

namespace tovra::platform {

/// Where the helper program name is for the program at executable: beside
/// it when a file of that name is there, else in the libexec folder of the
/// prefix it is installed in (which may not exist either).
[[nodiscard]] std::filesystem::path helperProgramFor(const std::filesystem::path& executable,
                                                     std::string_view name);

} // namespace tovra::platform
