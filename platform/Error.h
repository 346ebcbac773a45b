#pragma once

#include <stdexcept>
#include <string>

namespace tovra {

/// Every failure the program raises on purpose. Its text is the program's own
/// message ("Unable to write to %s", "Failed to get data for '%s'", ...): the
/// program-wide handler shows it as it stands.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message)
        : std::runtime_error(message) {}
};

} // namespace tovra
