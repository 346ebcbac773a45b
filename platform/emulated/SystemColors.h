#pragma once

// The Windows system colours: the name each index is stored under (as in
// HKCU\Control Panel\Colors) and the classic scheme's default, and their
// "R G B" text form.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tovra::platform::emulated {

/// COLOR_SCROLLBAR (0) to COLOR_MENUBAR (30).
inline constexpr int kSystemColorCount = 31;

struct SystemColor {
    std::string_view name;
    std::uint32_t defaultColor; // 0x00BBGGRR
};

/// The colour at index; nothing outside 0 to 30.
[[nodiscard]] std::optional<SystemColor> systemColor(int index);

/// "58 110 165" for 0x00A56E3A: red, green and blue in decimal.
[[nodiscard]] std::string formatRgb(std::uint32_t color);
/// Three numbers 0 to 255 separated by blanks; nothing for anything else.
[[nodiscard]] std::optional<std::uint32_t> parseRgb(std::string_view text);

} // namespace tovra::platform::emulated
