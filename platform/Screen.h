#pragma once

// The screen, the mouse buttons and the system colours: GetSystemMetrics,
// GetAsyncKeyState, GetSysColor and SetSysColors.

#include <cstdint>
#include <span>

namespace tovra::platform {

inline constexpr int kSmCxScreen = 0;
inline constexpr int kSmCyScreen = 1;
inline constexpr int kVkLButton = 1;
inline constexpr int kColorBackground = 1;

class Screen {
public:
    virtual ~Screen() = default;

    /// GetSystemMetrics(index); 0 for an index the backend does not know.
    virtual int getSystemMetrics(int index) = 0;
    /// GetAsyncKeyState(virtualKey): the high bit is set while the key is down.
    virtual std::int16_t getAsyncKeyState(int virtualKey) = 0;
    /// GetSysColor(index): 0x00BBGGRR.
    virtual std::uint32_t getSysColor(int index) = 0;
    /// SetSysColors: element i takes colour i; both spans have the same length.
    virtual bool setSysColors(std::span<const int> elements,
                              std::span<const std::uint32_t> colors) = 0;
};

} // namespace tovra::platform
