#pragma once

// The emulated registry as the program sees it: every call goes to the
// registry underneath unchanged, and a change to a Run value (HKEY_LOCAL_MACHINE
// or HKEY_CURRENT_USER \Software\Microsoft\Windows\CurrentVersion\Run) is
// also made to the real desktop's autostart entries (RunEntries.h), so that
// what would start at log-on under Windows starts at log-on here.
//
// Only the registry call's outcome is reported: an entry that cannot be
// written leaves the registry change in place and says so in one line on
// diagnostics (but see setCommandValue, for the program's own value). The entries follow the
// changes made through this object; a value written by hand into the registry file gets no entry
// until it is written through the registry again.

#include "platform/Registry.h"
#include "platform/emulated/RegTree.h"

#include <iostream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tovra::platform::emulated {

class AutostartMirror final : public Registry {
public:
    /// inner must outlive the mirror.
    explicit AutostartMirror(Registry& inner, std::ostream& diagnostics = std::cerr);

    Status openKey(HKey key, const std::string& subKey, HKey& result) override;
    Status openKeyReadOnly(HKey key, const std::string& subKey, HKey& result) override;
    Status createKey(HKey key, const std::string& subKey, HKey& result) override;
    Status queryValue(HKey key, const std::string& name, RegValue& value) override;
    /// A string value under a Run key becomes its entry; any other type
    /// removes the entry.
    Status setValue(HKey key, const std::string& name, const RegValue& value) override;
    /// A Run value whose entry is made from command itself. Here the value
    /// and its entry go together: when no entry can start command, or the
    /// entry cannot be written, the call fails and the value stays as it was
    /// (a value without its entry would promise a start at log-on that never
    /// comes).
    Status setCommandValue(HKey key, const std::string& name, const std::string& commandLine,
                           const std::vector<std::string>& command) override;
    /// Deleting a Run value (or finding it already gone) removes its entry.
    Status deleteValue(HKey key, const std::string& name) override;
    /// Deleting a Run key (or finding it already gone) removes all its entries.
    Status deleteKey(HKey key, const std::string& subKey) override;
    Status enumKey(HKey key, std::uint32_t index, std::string& name) override;
    Status closeKey(HKey key) override;

private:
    /// A key by its place: a root and a path below it.
    struct KeyName {
        RegRoot root = RegRoot::CurrentUser;
        KeyPath path;
    };

    /// The key a handle stands for; nothing for a handle this object never saw open.
    [[nodiscard]] std::optional<KeyName> keyOf(HKey key) const;
    /// The key subKey names below key.
    [[nodiscard]] std::optional<KeyName> below(HKey key, const std::string& subKey) const;
    /// The root of the Run key that name is; nothing when it is no Run key.
    [[nodiscard]] static std::optional<RegRoot> runRoot(const std::optional<KeyName>& name);
    void track(HKey handle, std::optional<KeyName> name);

    Registry& inner_;
    std::ostream& diagnostics_;
    std::map<HKey, KeyName> keys_;
};

} // namespace tovra::platform::emulated
