#pragma once

// The small vocabulary that the Windows calls share: handles, status codes,
// rectangles. The platform layer speaks it on both backends.

#include <cstdint>

namespace tovra::platform {

/// A window handle (HWND); 0 is no window.
using Hwnd = std::uintptr_t;

/// A Windows status code (LONG), as the registry calls return it.
using Status = std::int32_t;

inline constexpr Status kErrorSuccess = 0;
inline constexpr Status kErrorFileNotFound = 2;
inline constexpr Status kErrorAccessDenied = 5;
inline constexpr Status kErrorInvalidHandle = 6;
inline constexpr Status kErrorInvalidParameter = 87;
/// A registry path that starts with a backslash, given relative to an open key.
inline constexpr Status kErrorBadPathname = 161;
inline constexpr Status kErrorMoreData = 234;
inline constexpr Status kErrorNoMoreItems = 259;
inline constexpr Status kErrorKeyDeleted = 1018;

/// A screen rectangle, as GetWindowRect fills it: right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    [[nodiscard]] std::int32_t width() const { return right - left; }
    [[nodiscard]] std::int32_t height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

} // namespace tovra::platform
