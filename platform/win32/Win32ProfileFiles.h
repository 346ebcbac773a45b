#pragma once

// The profile-file calls on Windows: GetPrivateProfileStringA and
// WritePrivateProfileStringA, with file names, sections, keys and values
// converted between UTF-8 and the ANSI code page at the call. Windows writes
// a file it creates in the ANSI code page.

#include "platform/ProfileFiles.h"

#include <cstddef>
#include <optional>

namespace tovra::platform::win32 {

class Win32ProfileFiles final : public ProfileFiles {
public:
    /// Lists are first read through a buffer of listBufferSize bytes, doubled
    /// until the whole list fits.
    explicit Win32ProfileFiles(std::size_t listBufferSize = 16384);

    /// bufferSize counts bytes of the ANSI code page, as the call does; a
    /// double-byte character cut in half by it is dropped.
    std::string readString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue,
                           std::size_t bufferSize) override;
    std::vector<std::string> readKeys(const std::string& file, const std::string& section) override;
    std::vector<std::string> readSections(const std::string& file) override;
    /// Also false, and nothing written, when a name is blank or a name or the
    /// value holds a line break, which the file's format cannot store.
    bool writeString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool deleteKey(const std::string& file, const std::string& section,
                   const std::string& key) override;
    bool eraseSection(const std::string& file, const std::string& section) override;
    bool writeSection(const std::string& file, const std::string& section,
                      const std::vector<ProfileEntry>& entries) override;

private:
    /// GetPrivateProfileStringA with a null key (the section's keys) or a null
    /// section (the file's sections), read in full.
    std::vector<std::string> readList(const std::string& file,
                                      const std::optional<std::string>& section) const;

    std::size_t listBufferSize_;
};

} // namespace tovra::platform::win32
