#pragma once

// Whose behaviour a conformance case expects. The tables hold what Windows
// does; where Wine or the emulated Windows does otherwise, a step names that
// system and what it gives instead, so that every backend runs every case.

#include <string>
#include <utility>
#include <vector>

namespace tovra::test {

enum class System {
    /// Microsoft's Windows, as its documentation describes it.
    Windows,
    /// Wine, where the Windows backend is tested without Windows.
    Wine,
    /// The emulated Windows of platform/emulated.
    Emulated,
};

[[nodiscard]] inline std::string systemName(System system) {
    switch (system) {
    case System::Windows:
        return "Windows";
    case System::Wine:
        return "Wine";
    case System::Emulated:
        return "the emulated Windows";
    }
    return "?";
}

/// Where a system differs from Windows: the whole step as that system answers.
template <typename Step>
using Variants = std::vector<std::pair<System, Step>>;

/// The step as system answers it.
template <typename Step>
[[nodiscard]] Step onSystem(const Step& step, System system) {
    for (const auto& [variantSystem, variant] : step.variants) {
        if (variantSystem == system) {
            return variant;
        }
    }
    return step;
}

} // namespace tovra::test
