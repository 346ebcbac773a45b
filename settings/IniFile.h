#pragma once

// The settings-file access object: one profile file, read and written through
// the platform's profile calls. Nothing is cached: every read goes to the file,
// every write reaches it at once.

#include "platform/Error.h"
#include "platform/ProfileFiles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovra::settings {

/// "Unable to write to %s": the system refused a write or an erase.
class IniFileError : public Error {
public:
    explicit IniFileError(const std::string& fileName);
};

/// Strings are read through a buffer of this many bytes (2047 and the zero).
inline constexpr std::size_t kStringBufferSize = 2048;

/// The integer a settings value holds: decimal text, or hexadecimal after
/// "0x", "0X" or "$" (up to 32 bits, read as a signed number). Surrounding
/// blanks are allowed; anything else is no number.
[[nodiscard]] std::optional<std::int32_t> parseIniInteger(std::string_view text);

/// The settings file of an executable: its path with the extension replaced by ".ini".
[[nodiscard]] std::string settingsIniPath(const std::string& executablePath);

class IniFile {
public:
    IniFile(platform::ProfileFiles& profiles, std::string fileName);

    [[nodiscard]] const std::string& fileName() const { return fileName_; }

    [[nodiscard]] std::string readString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) const;
    [[nodiscard]] std::int32_t readInteger(const std::string& section, const std::string& key,
                                           std::int32_t defaultValue) const;
    /// Creates the file, section and key as needed. Throws IniFileError.
    void writeString(const std::string& section, const std::string& key, const std::string& value);
    /// Writes the decimal text. Throws IniFileError.
    void writeInteger(const std::string& section, const std::string& key, std::int32_t value);
    /// Whether key is among the section's key names (case ignored).
    [[nodiscard]] bool valueExists(const std::string& section, const std::string& key) const;
    /// The section's key names in file order; empty for a missing section.
    [[nodiscard]] std::vector<std::string> readSection(const std::string& section) const;
    /// Every section name in file order.
    [[nodiscard]] std::vector<std::string> readSections() const;
    /// Removes the key's line; a missing key or a refusal is ignored.
    void deleteKey(const std::string& section, const std::string& key) noexcept;
    /// Removes the section with its keys. Throws IniFileError.
    void eraseSection(const std::string& section);
    /// Makes entries the section's keys, in order, in one write of the file.
    /// Throws IniFileError.
    void writeSection(const std::string& section,
                      const std::vector<platform::ProfileEntry>& entries);

private:
    platform::ProfileFiles& profiles_;
    std::string fileName_;
};

} // namespace tovra::settings
