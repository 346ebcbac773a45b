#pragma once

// The program speaks UTF-8; the ANSI calls speak the system's ANSI code page
// (code page 936 on a Chinese Windows). Every text crosses at the call, through
// UTF-16, with the system's own converters. A character that the code page
// lacks becomes the code page's default character ('?'), as Windows itself
// would store it; a byte that breaks UTF-8, or that the code page does not
// define, becomes U+FFFD on the way in.

#include <optional>
#include <string>
#include <string_view>

namespace tovra::platform::win32 {

/// UTF-8 text in the ANSI code page. Zero bytes pass unchanged.
[[nodiscard]] std::string toAnsi(std::string_view utf8);

/// ANSI code page text in UTF-8. Zero bytes pass unchanged.
[[nodiscard]] std::string fromAnsi(std::string_view ansi);

/// The longest prefix of ANSI text that does not end inside a double-byte
/// character: a buffer cut by a Windows call may end on a lone lead byte.
[[nodiscard]] std::string_view wholeAnsiCharacters(std::string_view ansi);

/// A text argument of an ANSI call that may also be a null pointer.
class AnsiArgument {
public:
    /// The null pointer.
    AnsiArgument() = default;
    explicit AnsiArgument(std::string_view utf8)
        : text_(toAnsi(utf8)) {}
    explicit AnsiArgument(const std::string& utf8)
        : AnsiArgument(std::string_view(utf8)) {}
    /// A null pointer when utf8 is nothing.
    explicit AnsiArgument(const std::optional<std::string>& utf8) {
        if (utf8) {
            text_ = toAnsi(*utf8);
        }
    }

    /// The zero-terminated text, or a null pointer; valid while the object lives.
    [[nodiscard]] const char* get() const { return text_ ? text_->c_str() : nullptr; }

private:
    std::optional<std::string> text_;
};

/// The argument for a call that reads a null pointer as "none": an empty text
/// passes as the null pointer.
[[nodiscard]] inline AnsiArgument nullWhenEmpty(const std::string& utf8) {
    return utf8.empty() ? AnsiArgument() : AnsiArgument(utf8);
}

} // namespace tovra::platform::win32
