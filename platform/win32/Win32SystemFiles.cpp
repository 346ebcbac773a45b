#include "platform/win32/Win32SystemFiles.h"

#include "platform/win32/AnsiText.h"

#include <windows.h>

namespace tovra::platform::win32 {

namespace {

/// Calls a Windows function that fills a buffer of a given size and returns
/// the length written, or the size needed (with its zero) when it is too small.
template <typename Fill>
std::string filledText(Fill fill) {
    std::string buffer(MAX_PATH + 1, '\0');
    for (;;) {
        const DWORD length = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length); // 0: the call failed
            return fromAnsi(buffer);
        }
        buffer.assign(length + 1, '\0');
    }
}

} // namespace

std::string Win32SystemFiles::tempPath() {
    return filledText([](char* buffer, DWORD size) { return ::GetTempPathA(size, buffer); });
}

bool Win32SystemFiles::setFileAttributes(const std::string& path, std::uint32_t attributes) {
    return ::SetFileAttributesA(toAnsi(path).c_str(), attributes) != FALSE;
}

std::string Win32SystemFiles::systemDirectory() {
    return filledText([](char* buffer, DWORD size) { return ::GetSystemDirectoryA(buffer, size); });
}

} // namespace tovra::platform::win32
