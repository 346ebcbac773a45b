#pragma once

// Windows compares registry and profile names without regard to case. The
// names the program uses are ASCII or Chinese (which has no case), so folding
// the ASCII letters is the whole rule.

#include <algorithm>
#include <string>
#include <string_view>

namespace tovra::platform {

[[nodiscard]] constexpr char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

[[nodiscard]] constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldAscii(x) == foldAscii(y);
           });
}

[[nodiscard]] inline std::string foldedCopy(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), foldAscii);
    return folded;
}

} // namespace tovra::platform
