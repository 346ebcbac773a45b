#pragma once

// UTF-8 checks and the UTF-8 <-> UTF-16LE conversions that the registry
// editor's file format needs: it stores REG_EXPAND_SZ and REG_MULTI_SZ data,
// and any text that cannot stand in a quoted line, as UTF-16LE bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovra::platform::emulated {

/// Whether text is well-formed UTF-8 (no overlong forms, no surrogates,
/// nothing above U+10FFFF). A zero byte is well-formed.
[[nodiscard]] bool isValidUtf8(std::string_view text);

/// The offset of the first byte that breaks UTF-8; nothing when text is valid.
[[nodiscard]] std::optional<std::size_t> firstInvalidUtf8(std::string_view text);

/// The number of characters (code points) in valid UTF-8 text.
[[nodiscard]] std::size_t utf8Length(std::string_view text);

/// UTF-16LE bytes of UTF-8 text. A byte that breaks UTF-8 becomes U+FFFD.
[[nodiscard]] std::vector<std::uint8_t> utf8ToUtf16le(std::string_view text);

/// UTF-8 text of UTF-16LE bytes. An unpaired surrogate, or an odd last byte,
/// becomes U+FFFD: the same loss that Windows' own conversion to the ANSI
/// code page makes, so a program sees nothing it would not have seen there.
[[nodiscard]] std::string utf16leToUtf8(const std::uint8_t* bytes, std::size_t size);

} // namespace tovra::platform::emulated
