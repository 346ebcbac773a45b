#pragma once

// The profile-file backends that the settings-file tests run over: the
// emulated one natively, the Windows one in the Windows build. One source per
// build makes the list (EmulatedSettingsFileBackends.cpp,
// Win32SettingsFileBackends.cpp).

#include "platform/ProfileFiles.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tovra::settings::test {

struct SettingsFileBackend {
    /// Letters and digits: it names the tests.
    std::string name;
    std::function<std::unique_ptr<platform::ProfileFiles>()> create;
    /// The bytes that the backend's files hold for UTF-8 text: the text
    /// itself, or the text in the ANSI code page on Windows.
    std::function<std::string(const std::string&)> fileBytes;
    /// Whether a file with the read-only attribute refuses writes here. Wine
    /// keeps the attribute as Unix permissions, which bind nobody under root.
    bool readOnlyFilesRefuseWrites = true;
};

[[nodiscard]] std::vector<SettingsFileBackend> settingsFileBackends();

inline void PrintTo(const SettingsFileBackend& backend, std::ostream* out) {
    *out << backend.name;
}

} // namespace tovra::settings::test
