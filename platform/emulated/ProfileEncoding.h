#pragma once

// The encodings a profile file may be stored in, and how its bytes become a
// ProfileText and go back. A change touches only the lines it must: every
// other line keeps its bytes exactly, and changed and new lines are written in
// the file's own encoding.
//
// - UTF-16LE with a byte-order mark ("Unicode" to Windows, whose profile
//   functions read and write such a file as UTF-16LE) stays UTF-16LE.
// - UTF-8, with or without a byte-order mark, stays UTF-8. A new file is UTF-8.
// - Code page 936 (GBK), a file from a Chinese Windows, stays code page 936;
//   a change holding a character that code page 936 lacks cannot be stored.
// - Text in neither (say Latin-1, from a Western Windows): each line reads as
//   UTF-8 when it is UTF-8, else as code page 936 with U+FFFD for what that
//   does not define. Changed and new lines are UTF-8, so they read back exactly.
// - Binary data (a zero byte, outside UTF-16) reads as the last kind but is
//   never written: no encoding would keep it. Nor is a UTF-16LE file with an
//   odd number of bytes.

#include "platform/emulated/ProfileText.h"

#include <optional>
#include <string>
#include <string_view>

namespace tovra::platform::emulated {

enum class ProfileEncoding : unsigned char { Utf8, CodePage936, Mixed, Utf16le, Binary };

/// A profile file's content and the form it is stored in.
struct ProfileDocument {
    ProfileText text;
    ProfileEncoding encoding = ProfileEncoding::Utf8;
    std::string byteOrderMark; // the file's own, written back before the text
};

/// The document that the bytes of a file hold.
[[nodiscard]] ProfileDocument decodeProfile(std::string_view bytes);

/// The bytes that store a document; nothing when its encoding cannot hold a
/// changed line, or the file is binary.
[[nodiscard]] std::optional<std::string> encodeProfile(const ProfileDocument& document);

} // namespace tovra::platform::emulated
