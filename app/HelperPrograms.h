#pragma once

// The programs that come with TovraDesktop, found where it puts them.

#include <string>

namespace tovra {

/// The project's screen-saver program, beside the running executable or in
/// its installed libexec folder; empty when it is in neither.
[[nodiscard]] std::string ownScreenSaverProgram();

} // namespace tovra
