#pragma once

// The text rules of freedesktop desktop entry files that the emulated platform
// writes: the escapes of string values and the quoting of the Exec key's
// command line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovra::platform::emulated {

/// text as the value of a string or localestring key: backslash, newline, tab
/// and carriage return become \\, \n, \t and \r, and a leading space \s (a
/// reader drops blanks after the equals sign).
[[nodiscard]] std::string desktopEntryString(std::string_view text);

/// One word of an Exec command line, before the string escapes: quoted when
/// it is empty or holds a reserved character (then ", `, $ and \ take a
/// backslash), with every % doubled so that none reads as a field code.
[[nodiscard]] std::string execWord(std::string_view word);

/// The Exec value that starts command.front() with the rest as its
/// arguments, string escapes included. A program whose name holds a "%" is
/// started through /usr/bin/env: GLib's launcher looks the program up
/// before it undoes the doubled "%", and would never find it. Nothing when
/// there is no program, when the program's name holds an equals sign, which
/// an Exec line cannot carry (nor env, which would take it for a variable),
/// or when a word is not UTF-8 or holds a control character other than tab
/// and line breaks, which a desktop entry cannot hold.
[[nodiscard]] std::optional<std::string> execValue(const std::vector<std::string>& command);

} // namespace tovra::platform::emulated
