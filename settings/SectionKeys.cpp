#include "settings/SectionKeys.h"

#include "platform/TextCase.h"

#include <unordered_set>

namespace tovra::settings {

std::vector<std::string> appendMissingKeys(IniFile& ini, const std::string& section,
                                           std::span<const std::string> keys) {
    const std::vector<std::string> held = ini.readSection(section);
    std::unordered_set<std::string> folded;
    for (const std::string& key : held) {
        folded.insert(platform::foldedCopy(key));
    }
    std::vector<std::string> added;
    for (const std::string& key : keys) {
        if (folded.insert(platform::foldedCopy(key)).second) {
            added.push_back(key);
        }
    }
    if (added.empty()) {
        return added;
    }
    std::vector<platform::ProfileEntry> entries;
    entries.reserve(held.size() + added.size());
    for (const std::string& key : held) {
        entries.emplace_back(key, ini.readString(section, key, ""));
    }
    for (const std::string& key : added) {
        entries.emplace_back(key, "");
    }
    ini.writeSection(section, entries);
    return added;
}

} // namespace tovra::settings
