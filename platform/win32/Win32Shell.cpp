#include "platform/win32/Win32Shell.h"

#include "platform/win32/AnsiText.h"
#include "platform/win32/Handles.h"

#include <shellapi.h>
#include <shlobj.h>

namespace tovra::platform::win32 {

std::intptr_t Win32Shell::shellExecute(Hwnd owner, const std::string& operation,
                                       const std::string& file, const std::string& parameters,
                                       const std::string& directory, int showCommand) {
    const HINSTANCE result = ::ShellExecuteA(toHwnd(owner), nullWhenEmpty(operation).get(),
                                             toAnsi(file).c_str(), nullWhenEmpty(parameters).get(),
                                             nullWhenEmpty(directory).get(), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

void Win32Shell::addToRecentDocs(unsigned flags, const std::optional<std::string>& path) {
    const AnsiArgument ansiPath(path);
    ::SHAddToRecentDocs(flags, ansiPath.get());
}

bool Win32Shell::setDeskWallpaper(const std::string& path, unsigned winIniFlags) {
    std::string ansiPath = toAnsi(path);
    return ::SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, ansiPath.data(), winIniFlags) != FALSE;
}

} // namespace tovra::platform::win32
