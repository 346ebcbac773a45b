#pragma once

// The autostart entry: the Run value that starts the program at log-on.

#include "platform/MessageBoxes.h"
#include "platform/Registry.h"

#include <functional>
#include <string>
#include <string_view>

namespace tovra::mainwindow {

/// The Run value for an executable: its path in double quotes, so that a path
/// with spaces starts the program and not a prefix of it.
[[nodiscard]] std::string runValueFor(std::string_view executablePath);

struct AutostartToggle {
    platform::Registry& registry;
    platform::MessageBoxes& messageBoxes;
    platform::Hwnd owner = 0;
    std::string executablePath;

    /// The autostart menu item was chosen while its mark was `checked`.
    /// Checked: asks, and on OK clears the mark and deletes the value (a
    /// refused deletion still leaves the mark clear).
    /// Unchecked: writes the value, without a question, as the command that
    /// starts the executable (so that a platform with autostart entries of
    /// its own makes them from the path itself), then sets the mark. A
    /// refused write throws settings::RegistryError and leaves the mark
    /// clear: the program would not start at log-on.
    void run(bool checked, const std::function<void(bool)>& setChecked) const;
};

} // namespace tovra::mainwindow
