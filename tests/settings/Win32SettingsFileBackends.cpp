#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32ProfileFiles.h"
#include "tests/settings/SettingsFileBackends.h"
#include "tests/support/TempDir.h"

#include <windows.h>

namespace tovra::settings::test {

namespace {

/// Whether this system refuses to open a read-only file for writing.
bool readOnlyAttributeBinds() {
    const tovra::test::TempDir dir;
    const auto file = dir.path() / "probe.ini";
    tovra::test::writeBytes(file, "[s]\r\n");
    tovra::test::makeReadOnly(file);
    const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return true;
    }
    ::CloseHandle(handle);
    return false;
}

} // namespace

std::vector<SettingsFileBackend> settingsFileBackends() {
    return {{"Win32", [] { return std::make_unique<platform::win32::Win32ProfileFiles>(); },
             [](const std::string& utf8) { return platform::win32::toAnsi(utf8); },
             readOnlyAttributeBinds()}};
}

} // namespace tovra::settings::test
