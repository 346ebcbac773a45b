#pragma once

// The profile-file calls GetPrivateProfileStringA and WritePrivateProfileStringA,
// one method for each way the program calls them. Files, sections, keys and
// values are UTF-8 here. Section and key names compare without regard to case.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tovra::platform {

/// Whether a line of a profile file can hold the entry: section and key not
/// blank, and nothing on more than one line. Windows would write any of these
/// as it stands, and the file would read back with lines nobody wrote.
[[nodiscard]] inline bool isStorableEntry(std::string_view section, std::string_view key,
                                          std::string_view value) {
    constexpr std::string_view kBlanks = " \t\v\f\x1a";
    constexpr std::string_view kLineBreaks = "\r\n";
    const auto isStorableName = [&](std::string_view name) {
        return name.find_first_not_of(kBlanks) != std::string_view::npos &&
               name.find_first_of(kLineBreaks) == std::string_view::npos;
    };
    return isStorableName(section) && isStorableName(key) &&
           value.find_first_of(kLineBreaks) == std::string_view::npos;
}

/// One line of a section: key and value.
using ProfileEntry = std::pair<std::string, std::string>;

class ProfileFiles {
public:
    virtual ~ProfileFiles() = default;

    /// GetPrivateProfileStringA with a section and a key: the key's value
    /// (trimmed, balanced quotes removed), or defaultValue when the file,
    /// section or key is missing. At most bufferSize - 1 bytes come back, as
    /// from a buffer of bufferSize bytes.
    virtual std::string readString(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& defaultValue,
                                   std::size_t bufferSize) = 0;

    /// GetPrivateProfileStringA with a null key: every key name of the section
    /// in file order, in full (never cut at a buffer size).
    virtual std::vector<std::string> readKeys(const std::string& file,
                                              const std::string& section) = 0;

    /// GetPrivateProfileStringA with a null section: every section name in
    /// file order, in full.
    virtual std::vector<std::string> readSections(const std::string& file) = 0;

    /// WritePrivateProfileStringA with a key and a value. False when the
    /// system refuses the write, and when a name is blank or a name or the
    /// value holds a line break: the file's format cannot store them.
    virtual bool writeString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& value) = 0;

    /// WritePrivateProfileStringA with a null value: removes the key's line.
    virtual bool deleteKey(const std::string& file, const std::string& section,
                           const std::string& key) = 0;

    /// WritePrivateProfileStringA with a null key and value: removes the
    /// section with all its keys.
    virtual bool eraseSection(const std::string& file, const std::string& section) = 0;

    /// WritePrivateProfileSectionA: the section's keys become exactly these
    /// entries, in this order, in one write of the file. A missing section is
    /// added at the end (unless there are no entries). False when the system
    /// refuses the write, and, with nothing written, when an entry is not
    /// storable (isStorableEntry).
    virtual bool writeSection(const std::string& file, const std::string& section,
                              const std::vector<ProfileEntry>& entries) = 0;
};

} // namespace tovra::platform
