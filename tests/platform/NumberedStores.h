#pragma once

// The two files that the emulated Windows writes under a lock, seen as stores
// of numbered entries: the settings file (key "n<number>" in section
// "numbers" of settings.ini) and the registry (value "n<number>" under
// HKEY_CURRENT_USER\Software\TovraNumbers in registry.reg). Shared by the
// tests and by tovra_store_writer, the writer that they start and kill.

#include "platform/emulated/EmulatedProfileFiles.h"
#include "platform/emulated/EmulatedRegistry.h"
#include "platform/emulated/ProfileEncoding.h"
#include "platform/emulated/RegFile.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

namespace tovra::test {

struct NumberedStore {
    const char* name;
    /// The store's file in its folder.
    const char* fileName;
    bool (*write)(const std::filesystem::path& folder, long number);
    bool (*holds)(const std::filesystem::path& folder, long number);
    /// A file of the store's format holding lines of filler entries.
    std::string (*filler)(int lines);
    /// Every number the file holds, read in one go; nothing when the file
    /// does not parse, or could not be written again.
    std::optional<std::set<long>> (*entries)(const std::filesystem::path& folder);
};

inline void PrintTo(const NumberedStore& store, std::ostream* out) {
    *out << store.name;
}

namespace numbered {

inline std::string entryName(long number) {
    return "n" + std::to_string(number);
}

inline std::string settingsFile(const std::filesystem::path& folder) {
    return (folder / "settings.ini").string();
}

inline bool writeSetting(const std::filesystem::path& folder, long number) {
    platform::emulated::EmulatedProfileFiles profiles;
    return profiles.writeString(settingsFile(folder), "numbers", entryName(number),
                                std::to_string(number));
}

inline bool holdsSetting(const std::filesystem::path& folder, long number) {
    platform::emulated::EmulatedProfileFiles profiles;
    return profiles.readString(settingsFile(folder), "numbers", entryName(number), "", 64) ==
           std::to_string(number);
}

inline std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// The number an entry's name and text stand for.
inline std::optional<long> entryNumber(const std::string& name, std::string_view text) {
    if (name.size() < 2 || name[0] != 'n' || name.substr(1) != text) {
        return std::nullopt;
    }
    return std::stol(name.substr(1));
}

inline std::optional<std::set<long>> settingEntries(const std::filesystem::path& folder) {
    const auto document = platform::emulated::decodeProfile(fileBytes(settingsFile(folder)));
    if (!platform::emulated::encodeProfile(document)) {
        return std::nullopt;
    }
    std::set<long> numbers;
    for (const std::string& key : document.text.keys("numbers")) {
        if (const auto number = entryNumber(key, document.text.value("numbers", key).value_or(""))) {
            numbers.insert(*number);
        }
    }
    return numbers;
}

inline std::string settingsFiller(int lines) {
    std::ostringstream text;
    text << "[filler]\r\n";
    for (int i = 0; i < lines; ++i) {
        text << "D:\\Pictures\\filler-" << i << ".jpg=\r\n";
    }
    return text.str();
}

constexpr const char* kRegistryKey = "Software\\TovraNumbers";

inline bool writeRegistryValue(const std::filesystem::path& folder, long number) {
    platform::emulated::EmulatedRegistry registry(folder);
    platform::HKey key = 0;
    if (registry.createKey(platform::kHkeyCurrentUser, kRegistryKey, key) !=
        platform::kErrorSuccess) {
        return false;
    }
    const auto status =
        registry.setValue(key, entryName(number), platform::RegValue::text(std::to_string(number)));
    registry.closeKey(key);
    return status == platform::kErrorSuccess;
}

inline bool holdsRegistryValue(const std::filesystem::path& folder, long number) {
    platform::emulated::EmulatedRegistry registry(folder);
    platform::HKey key = 0;
    platform::RegValue value;
    const bool held = registry.openKey(platform::kHkeyCurrentUser, kRegistryKey, key) ==
                          platform::kErrorSuccess &&
                      registry.queryValue(key, entryName(number), value) == platform::kErrorSuccess;
    registry.closeKey(key);
    return held && value == platform::RegValue::text(std::to_string(number));
}

inline std::optional<std::set<long>> registryEntries(const std::filesystem::path& folder) {
    using namespace platform::emulated;
    RegTree tree;
    try {
        tree = parseRegFile(fileBytes(folder / "registry.reg"));
    } catch (const RegFileError&) {
        return std::nullopt;
    }
    std::set<long> numbers;
    const RegKeyNode* key = tree.root(RegRoot::CurrentUser).find(splitKeyPath(kRegistryKey));
    for (const NamedValue& named : key ? key->values() : std::vector<NamedValue>{}) {
        if (const auto number = entryNumber(named.name, named.value.asText())) {
            numbers.insert(*number);
        }
    }
    return numbers;
}

inline std::string registryFiller(int lines) {
    // Keys of a hundred values each, as a registry holds them: a value is
    // looked up among the others of its key.
    std::ostringstream text;
    text << "Windows Registry Editor Version 5.00\r\n";
    for (int i = 0; i < lines; ++i) {
        if (i % 100 == 0) {
            text << "\r\n[HKEY_CURRENT_USER\\Software\\Filler\\k" << i / 100 << "]\r\n";
        }
        text << "\"filler-" << i << "\"=\"D:\\\\Pictures\\\\filler.jpg\"\r\n";
    }
    return text.str() + "\r\n";
}

} // namespace numbered

inline const std::array<NumberedStore, 2>& numberedStores() {
    static const std::array<NumberedStore, 2> stores{{
        {"Settings", "settings.ini", numbered::writeSetting, numbered::holdsSetting,
         numbered::settingsFiller, numbered::settingEntries},
        {"Registry", "registry.reg", numbered::writeRegistryValue, numbered::holdsRegistryValue,
         numbered::registryFiller, numbered::registryEntries},
    }};
    return stores;
}

} // namespace tovra::test
