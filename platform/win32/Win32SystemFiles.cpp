#include "platform/win32/Win32SystemFiles.h"

#include "platform/win32/AnsiText.h"

#include <algorithm>
#include <random>
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

/// Creates a new file beside target, named so that no reader mistakes it.
HANDLE createTemporary(const std::string& target, std::string& name) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const std::size_t slash = target.find_last_of("\\/");
    const std::string folder =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = folder + "~" + target.substr(folder.size()) + ".tmp-" + std::to_string(random());
        HANDLE file = ::CreateFileA(toAnsi(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (::WriteFile(file, bytes.data(), chunk, &written, nullptr) == FALSE || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return ::FlushFileBuffers(file) != FALSE;
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

bool Win32SystemFiles::replaceFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        return false;
    }
    std::string temporary;
    HANDLE file = createTemporary(path, temporary);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = writeAll(file, bytes);
    const bool closed = ::CloseHandle(file) != FALSE;
    const bool moved = written && closed &&
                       ::MoveFileExA(toAnsi(temporary).c_str(), toAnsi(path).c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!moved) {
        ::DeleteFileA(toAnsi(temporary).c_str());
    }
    return moved;
}

} // namespace tovra::platform::win32
