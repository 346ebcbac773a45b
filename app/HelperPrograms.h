#pragma once

// The programs that come with TovraDesktop and sit beside its executable.

#include <string>

namespace tovra {

/// The project's screen-saver program beside the running executable; empty
/// when it is not there.
[[nodiscard]] std::string ownScreenSaverProgram();

} // namespace tovra
