#pragma once

// Whose behaviour a conformance case expects. The tables hold what Windows
// does; where Wine or the emulated Windows does otherwise, a step names that
// system and what it gives instead, so that every backend runs every case.

#include <string>

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

} // namespace tovra::test
