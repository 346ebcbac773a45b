#pragma once

// How Windows reads a command line that names a program and its arguments
// (WinExec, CreateProcess without an application name, and the C runtime of
// the started program).

#include <string>
#include <string_view>
#include <vector>

namespace tovra::platform::emulated {

struct ProgramCandidate {
    std::string program;
    /// The rest of the line after the program, leading blanks removed.
    std::string arguments;

    friend bool operator==(const ProgramCandidate&, const ProgramCandidate&) = default;
};

/// The programs a command line may name, in the order the system tries them.
/// A quoted program ends at its closing quote: one candidate. An unquoted one
/// is ambiguous when the path holds blanks: "/a b/c d" is tried as "/a",
/// then "/a b/c", then "/a b/c d", each time with the rest as arguments.
/// Leading blanks are skipped; an empty line has no candidate.
[[nodiscard]] std::vector<ProgramCandidate> programCandidates(std::string_view commandLine);

/// The C runtime's split of the arguments: blanks separate them, double
/// quotes group blanks into one, 2n backslashes before a quote give n
/// backslashes and a quote that groups, 2n+1 give n backslashes and a literal
/// quote, other backslashes are literal, and "" inside quotes is a literal
/// quote.
[[nodiscard]] std::vector<std::string> splitArguments(std::string_view arguments);

} // namespace tovra::platform::emulated
