#pragma once

// The emulated backend's logs of what it started (shell-executed.log,
// processes.log): one line per event, so that a person or a test can see what
// the program asked the system to run.
//
// A line is the UTC time followed by the event's fields, separated by tabs.
// Backslash, tab, carriage return and line feed inside a field are written as
// \\, \t, \r and \n, so that one event is always exactly one line.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tovra::platform::emulated {

/// A field with its backslashes, tabs and line breaks escaped.
[[nodiscard]] std::string escapeLogField(std::string_view field);

/// Appends one line to file (created with mode 0600) in a single write, so
/// that lines of two running instances never mix. False when the file cannot
/// be written.
bool appendLogLine(const std::filesystem::path& file, const std::vector<std::string>& fields);

} // namespace tovra::platform::emulated
