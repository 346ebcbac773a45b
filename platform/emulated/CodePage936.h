#pragma once

// The text encodings a profile file can arrive in. Files written here are
// UTF-8; a file brought from a Chinese Windows is in code page 936 (GBK).
// These helpers tell the two apart and convert between code page 936 and UTF-8.

#include "platform/emulated/Utf16.h" // isValidUtf8, shared with the registry

#include <cstddef>
#include <string>
#include <string_view>

namespace tovra::platform::emulated {

/// The UTF-8 byte order mark that some editors put at the start of a file.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

/// Code page 936 text converted to UTF-8. A byte sequence that code page 936
/// does not define becomes U+FFFD, so that every input gives an answer.
[[nodiscard]] std::string utf8FromCodePage936(std::string_view text);
/// The same; exact tells whether every byte was code page 936 (no U+FFFD added).
[[nodiscard]] std::string utf8FromCodePage936(std::string_view text, bool& exact);

/// Appends UTF-8 text in code page 936 to bytes. False, with bytes unchanged,
/// when the text holds a character that code page 936 lacks or is not UTF-8.
[[nodiscard]] bool appendCodePage936(std::string_view utf8, std::string& bytes);

/// The longest prefix of UTF-8 text that holds at most maxBytes bytes and does
/// not end inside a character.
[[nodiscard]] std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes);

} // namespace tovra::platform::emulated
