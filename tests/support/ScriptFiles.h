#pragma once

// Small shell scripts that the process tests start for real, and a wait for
// the file such a script leaves behind.

#include "tests/support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace tovra::test {

/// Writes an executable /bin/sh script.
inline void writeScript(const std::filesystem::path& file, const std::string& body) {
    std::filesystem::create_directories(file.parent_path());
    writeBytes(file, "#!/bin/sh\n" + body + "\n");
    ::chmod(file.c_str(), 0755);
}

/// The content of a file that a started program writes, once it is there. A
/// script writes to "<file>.part" and renames it, so what is seen is whole.
/// Nothing when the program has not written it within a generous while.
inline std::optional<std::string> awaitFile(const std::filesystem::path& file) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (std::filesystem::exists(file)) {
            return readBytes(file);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

} // namespace tovra::test
