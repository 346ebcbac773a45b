#pragma once

// Windows test code only: the desktop's wallpaper values under
// HKEY_CURRENT_USER\Control Panel\Desktop ("Wallpaper", "TileWallpaper",
// "wallpaperstyle"), read as Windows keeps them, and put back, with the
// wallpaper itself, when a test that changes them ends.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tovra::test {

/// A value of HKCU\Control Panel\Desktop as Windows keeps it.
struct StoredDesktopValue {
    unsigned long type = 0;
    std::vector<unsigned char> data;
};

[[nodiscard]] std::optional<StoredDesktopValue> readDesktopValue(const wchar_t* name);

/// The text of a REG_SZ value, without its terminating zeros.
[[nodiscard]] std::wstring textOf(const StoredDesktopValue& value);

/// Puts the desktop's values and wallpaper back as they were at construction.
class DesktopSnapshot {
public:
    DesktopSnapshot();
    ~DesktopSnapshot();
    DesktopSnapshot(const DesktopSnapshot&) = delete;
    DesktopSnapshot& operator=(const DesktopSnapshot&) = delete;

private:
    std::vector<std::pair<const wchar_t*, std::optional<StoredDesktopValue>>> saved_;
};

} // namespace tovra::test
