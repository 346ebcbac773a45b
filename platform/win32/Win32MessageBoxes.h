#pragma once

// MessageBoxA on Windows: the text and caption in the ANSI code page.

#include "platform/MessageBoxes.h"

namespace tovra::platform::win32 {

class Win32MessageBoxes final : public MessageBoxes {
public:
    int messageBox(Hwnd owner, const std::string& text, const std::string& caption,
                   unsigned type) override;
};

} // namespace tovra::platform::win32
