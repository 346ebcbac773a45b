#include "platform/win32/Win32Screen.h"

#include <limits>
#include <vector>
#include <windows.h>

namespace tovra::platform::win32 {

int Win32Screen::getSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

std::int16_t Win32Screen::getAsyncKeyState(int virtualKey) {
    return ::GetAsyncKeyState(virtualKey);
}

std::uint32_t Win32Screen::getSysColor(int index) {
    return ::GetSysColor(index);
}

bool Win32Screen::setSysColors(std::span<const int> elements,
                               std::span<const std::uint32_t> colors) {
    if (elements.size() != colors.size() ||
        elements.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return false;
    }
    const std::vector<COLORREF> values(colors.begin(), colors.end());
    return ::SetSysColors(static_cast<int>(elements.size()), elements.data(), values.data()) !=
           FALSE;
}

} // namespace tovra::platform::win32
