#pragma once

// GetSystemMetrics, GetAsyncKeyState, GetSysColor and SetSysColors on Windows.

#include "platform/Screen.h"

namespace tovra::platform::win32 {

class Win32Screen final : public Screen {
public:
    int getSystemMetrics(int index) override;
    std::int16_t getAsyncKeyState(int virtualKey) override;
    std::uint32_t getSysColor(int index) override;
    /// False, and nothing set, when the spans differ in length.
    bool setSysColors(std::span<const int> elements,
                      std::span<const std::uint32_t> colors) override;
};

} // namespace tovra::platform::win32
