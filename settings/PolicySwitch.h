#pragma once

// The policy switch: a check box that stands for one of Explorer's policy
// values under the open key of a registry access object. The start-menu and
// desktop-icon windows write REG_DWORD 1 for checked and delete the value for
// unchecked, and show a value that exists, whatever it holds, as checked. The
// protection window writes 1 or 0 and shows only a stored integer 1 as checked.

#include "settings/RegistryAccess.h"

#include <string>

namespace tovra::settings {

enum class PolicyStyle {
    /// Checked: REG_DWORD 1; unchecked: the value deleted. Checked when it exists.
    PresentOrDeleted,
    /// Checked: REG_DWORD 1; unchecked: REG_DWORD 0. Checked for a stored integer 1 only.
    OneOrZero,
};

/// Whether the policy's box shows checked. Never throws: a missing value, a
/// value of another type or no open key is simply unchecked.
[[nodiscard]] bool readPolicy(const RegistryAccess& key, const std::string& name,
                              PolicyStyle style);

/// Writes the policy for a checked or unchecked box. A refused write throws
/// RegistryError ("Failed to set data for '%s'"); deleting a value that is not
/// there, or under no open key, is no error.
void writePolicy(RegistryAccess& key, const std::string& name, bool checked, PolicyStyle style);

} // namespace tovra::settings
