#include "platform/win32/Win32DesktopWindows.h"

#include "platform/win32/AnsiText.h"
#include "platform/win32/Handles.h"

namespace tovra::platform::win32 {

Hwnd Win32DesktopWindows::findWindow(const std::string& className,
                                     const std::optional<std::string>& title) {
    return fromHwnd(::FindWindowA(nullWhenEmpty(className).get(), AnsiArgument(title).get()));
}

Hwnd Win32DesktopWindows::getWindow(Hwnd window, unsigned command) {
    return fromHwnd(::GetWindow(toHwnd(window), command));
}

std::string Win32DesktopWindows::getClassName(Hwnd window, int maxCount) {
    if (maxCount <= 0) {
        return {};
    }
    std::string buffer(static_cast<std::size_t>(maxCount), '\0');
    const int length = ::GetClassNameA(toHwnd(window), buffer.data(), maxCount);
    buffer.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return fromAnsi(wholeAnsiCharacters(buffer));
}

std::optional<Rect> Win32DesktopWindows::getWindowRect(Hwnd window) {
    RECT rect{};
    if (::GetWindowRect(toHwnd(window), &rect) == FALSE) {
        return std::nullopt;
    }
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

bool Win32DesktopWindows::showWindow(Hwnd window, int showCommand) {
    return ::ShowWindow(toHwnd(window), showCommand) != FALSE;
}

std::intptr_t Win32DesktopWindows::sendMessage(Hwnd window, unsigned message, std::uintptr_t wParam,
                                               std::intptr_t lParam) {
    return ::SendMessageA(toHwnd(window), message, wParam, lParam);
}

} // namespace tovra::platform::win32
