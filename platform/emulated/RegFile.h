#pragma once

// The registry editor's export format, as UTF-8 text: what the emulated
// registry keeps on disk, so that a person can read it and import it on Windows.
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Example]
//   @="the default value"
//   "Path"="C:\\Windows \"quoted\""
//   "Count"=dword:0000000a
//   "Data"=hex:00,ff
//   "Expand"=hex(2):25,00,50,00,00,00
//
// Every key has its own section, intermediate keys included. A REG_SZ text
// that holds a line break or a zero cannot stand in a quoted line and is
// written as hex(1) over UTF-16LE.

#include "platform/emulated/RegTree.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tovra::platform::emulated {

/// A text that is not a registry file; line() is 1-based.
class RegFileError : public std::runtime_error {
public:
    RegFileError(std::size_t line, const std::string& reason);
    [[nodiscard]] std::size_t line() const { return line_; }
    [[nodiscard]] const std::string& reason() const { return reason_; }

private:
    std::size_t line_;
    std::string reason_;
};

/// Reads a registry file: UTF-8 (with or without a byte-order mark) or
/// UTF-16LE with its byte-order mark, CRLF or LF lines, the header
/// "Windows Registry Editor Version 5.00" or "REGEDIT4", blank lines, ';'
/// comment lines, hex lists continued over lines with '\', hex digits in
/// either case. A text that is empty or only blanks is an empty registry.
/// Throws RegFileError for anything else.
[[nodiscard]] RegTree parseRegFile(std::string_view text);

/// Writes the tree as the registry editor exports it, with CRLF lines.
/// expectedSize, the size the text is likely to have (the last one written),
/// saves growing it step by step.
[[nodiscard]] std::string serialiseRegFile(const RegTree& tree, std::size_t expectedSize = 0);

} // namespace tovra::platform::emulated
