#pragma once

// The registry calls on Windows, through the ANSI functions. Names and texts
// (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) are converted between UTF-8 and the
// ANSI code page at the call; every status comes back as Windows returns it.
// Handles are the HKEY values themselves, except that the three predefined
// roots keep the numbers of platform/Registry.h in both directions.

#include "platform/Registry.h"

namespace tovra::platform::win32 {

class Win32Registry final : public Registry {
public:
    Status openKey(HKey key, const std::string& subKey, HKey& result) override;
    Status openKeyReadOnly(HKey key, const std::string& subKey, HKey& result) override;
    Status createKey(HKey key, const std::string& subKey, HKey& result) override;
    /// REG_SZ and REG_EXPAND_SZ come back without their terminating zero.
    Status queryValue(HKey key, const std::string& name, RegValue& value) override;
    /// REG_SZ and REG_EXPAND_SZ are stored with a terminating zero, as
    /// RegSetValueExA expects.
    Status setValue(HKey key, const std::string& name, const RegValue& value) override;
    Status deleteValue(HKey key, const std::string& name) override;
    Status deleteKey(HKey key, const std::string& subKey) override;
    Status enumKey(HKey key, std::uint32_t index, std::string& name) override;
    /// A predefined root is never closed: the process shares its handle.
    Status closeKey(HKey key) override;
};

} // namespace tovra::platform::win32
