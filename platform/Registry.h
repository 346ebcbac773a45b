#pragma once

// The registry calls (RegOpenKeyExA, RegCreateKeyExA, RegQueryValueExA,
// RegSetValueExA, RegDeleteValueA, RegDeleteKeyA, RegEnumKeyExA, RegCloseKey).
// Texts are UTF-8 here; the Windows backend converts them to the ANSI code
// page at the call. Key and value names compare without regard to case.

#include "platform/Types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovra::platform {

/// A registry key handle (HKEY). The three predefined roots have the values
/// Windows gives them; other handles are what openKey/createKey return.
using HKey = std::uintptr_t;

inline constexpr HKey kHkeyClassesRoot = 0x80000000u;
inline constexpr HKey kHkeyCurrentUser = 0x80000001u;
inline constexpr HKey kHkeyLocalMachine = 0x80000002u;

enum RegType : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
    kRegQword = 11,
};

/// A value's type and data. For REG_SZ and REG_EXPAND_SZ the data is the UTF-8
/// text without its terminating zero; for REG_DWORD four little-endian bytes;
/// for any other type the bytes as Windows stores them.
struct RegValue {
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;

    static RegValue text(std::string_view utf8, std::uint32_t type = kRegSz);
    static RegValue dword(std::uint32_t value);

    /// The data as text (REG_SZ, REG_EXPAND_SZ); bytes up to the first zero.
    [[nodiscard]] std::string asText() const;
    /// The number of a REG_DWORD value; nothing for any other type or size.
    [[nodiscard]] std::optional<std::uint32_t> asDword() const;

    friend bool operator==(const RegValue&, const RegValue&) = default;
};

class Registry {
public:
    virtual ~Registry() = default;

    /// RegOpenKeyExA with KEY_ALL_ACCESS. subKey is relative to key, its parts
    /// separated by backslashes; an empty subKey opens key itself again.
    virtual Status openKey(HKey key, const std::string& subKey, HKey& result) = 0;
    /// RegOpenKeyExA with KEY_READ: what a user who may not change the key
    /// can still open. Values are read through the handle; setting or
    /// deleting one fails with ERROR_ACCESS_DENIED.
    virtual Status openKeyReadOnly(HKey key, const std::string& subKey, HKey& result) = 0;
    /// RegCreateKeyExA with KEY_ALL_ACCESS: opens the key, creating every
    /// missing part of the path.
    virtual Status createKey(HKey key, const std::string& subKey, HKey& result) = 0;
    /// RegQueryValueExA; the empty name is the key's default value.
    /// kErrorFileNotFound when there is no such value.
    virtual Status queryValue(HKey key, const std::string& name, RegValue& value) = 0;
    /// RegSetValueExA.
    virtual Status setValue(HKey key, const std::string& name, const RegValue& value) = 0;
    /// RegSetValueExA of a string value that is a command line starting
    /// command, a program and its arguments (a Run value). Windows reads the
    /// line itself, so this is setValue with commandLine as REG_SZ. A backend
    /// that also hands such values to a desktop of its own makes that
    /// desktop's entry from command, never from the line, which cannot hold
    /// every path such a desktop allows; it fails the call, and changes
    /// nothing, when it cannot make the entry.
    virtual Status setCommandValue(HKey key, const std::string& name,
                                   const std::string& commandLine,
                                   const std::vector<std::string>& command) {
        static_cast<void>(command);
        return setValue(key, name, RegValue::text(commandLine));
    }
    /// RegDeleteValueA; kErrorFileNotFound when there is no such value.
    virtual Status deleteValue(HKey key, const std::string& name) = 0;
    /// RegDeleteKeyA: deletes a subkey that has no subkeys of its own.
    virtual Status deleteKey(HKey key, const std::string& subKey) = 0;
    /// RegEnumKeyExA: the name of the index-th subkey; kErrorNoMoreItems past the end.
    virtual Status enumKey(HKey key, std::uint32_t index, std::string& name) = 0;
    /// RegCloseKey; closing a root key is allowed and does nothing.
    virtual Status closeKey(HKey key) = 0;
};

} // namespace tovra::platform
