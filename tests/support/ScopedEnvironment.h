#pragma once

// A scoped change of environment variables, for tests of code that reads them.

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace tovra::test {

/// Sets (or, with nullopt, removes) environment variables until destroyed,
/// then puts the old values back.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) {
            apply(name, value);
        }
    }

    void set(const std::string& name, const std::optional<std::string>& value) {
        if (saved_.find(name) == saved_.end()) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        }
        apply(name, value);
    }

private:
    static void apply(const std::string& name, const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }

    std::map<std::string, std::optional<std::string>> saved_;
};

} // namespace tovra::test
