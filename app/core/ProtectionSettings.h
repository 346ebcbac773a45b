#pragma once

// The protection window's settings: a plain record of its controls, loaded
// from and saved to the registry. The window only copies the record to and
// from its controls.

#include "platform/Registry.h"

#include <string>
#include <string_view>

namespace tovra::shell {

inline constexpr std::string_view kPasswordMismatchText = "前后两个输入的口令不一样!";

struct ProtectionSettings {
    /// CRBStarMenu: "NoChangeStartMenu".
    bool noChangeStartMenu = false;
    /// CRBdostop: "NoSaveSettings".
    bool noSaveSettings = false;
    /// EDcode and EdRecode: the new password, typed twice. Never loaded.
    std::string code;
    std::string recode;
    /// RBCode: remove the start-up password.
    bool removeCode = false;

    friend bool operator==(const ProtectionSettings&, const ProtectionSettings&) = default;
};

enum class ProtectionSaved {
    Saved,
    /// The two password fields differ: the policies were written, the
    /// password was left as it was.
    PasswordMismatch,
};

/// The two policies as the registry holds them (checked for a stored integer
/// 1 only); the password fields empty and RBCode unchecked.
[[nodiscard]] ProtectionSettings LoadProtection(platform::Registry& registry);

/// Writes "NoChangeStartMenu" and "NoSaveSettings" (REG_DWORD 1 or 0); then,
/// when the two fields agree, removes the value "code" (RBCode checked) or
/// stores the password in it as a hash string. A refused write, and a
/// removal that the registry refuses or a password key that cannot be
/// opened, throws RegistryError: what was written before it stays written.
ProtectionSaved SaveProtection(platform::Registry& registry, const ProtectionSettings& settings);

} // namespace tovra::shell
