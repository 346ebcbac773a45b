#include "platform/win32/Win32MessageBoxes.h"

#include "platform/win32/AnsiText.h"
#include "platform/win32/Handles.h"

namespace tovra::platform::win32 {

int Win32MessageBoxes::messageBox(Hwnd owner, const std::string& text, const std::string& caption,
                                  unsigned type) {
    return ::MessageBoxA(toHwnd(owner), toAnsi(text).c_str(), toAnsi(caption).c_str(), type);
}

} // namespace tovra::platform::win32
