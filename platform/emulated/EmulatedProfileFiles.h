#pragma once

// The profile-file calls on the emulated platform. Each file is a plain text
// file in the Windows profile format (see ProfileText.h), in UTF-8 or in the
// encoding it already had (see ProfileEncoding.h).
//
// - Reads take no lock and see the file as it is on disk at that moment (the
//   parsed copies of ProfileFileCache are re-validated at every call).
// - Every change is a read-modify-write under the file's write lock, ending in
//   an atomic replace (FileStore.h): two instances never lose each other's
//   writes, a crash never leaves half a file, a symbolic link is written
//   through, and a file that cannot be read or written, or whose encoding
//   cannot hold the change, is left as it was.
// - A missing file reads as empty; only a write that changes something
//   creates it.
// - Lists come back in full, however long.
// One object serves one thread.

#include "platform/ProfileFiles.h"
#include "platform/emulated/ProfileFileCache.h"

#include <filesystem>
#include <functional>

namespace tovra::platform::emulated {

class EmulatedProfileFiles final : public ProfileFiles {
public:
    std::string readString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue,
                           std::size_t bufferSize) override;
    std::vector<std::string> readKeys(const std::string& file, const std::string& section) override;
    std::vector<std::string> readSections(const std::string& file) override;
    /// Also false when a name is empty or a name or the value holds a line break,
    /// which the file's format cannot store.
    bool writeString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool deleteKey(const std::string& file, const std::string& section,
                   const std::string& key) override;
    bool eraseSection(const std::string& file, const std::string& section) override;
    /// The section's entry lines are replaced; its comments and blank lines stay.
    bool writeSection(const std::string& file, const std::string& section,
                      const std::vector<ProfileEntry>& entries) override;

private:
    /// Applies change to the file's text under the folder lock and stores the
    /// result. change returns whether it changed anything; nothing is written
    /// when it did not. False when the file cannot be read or written.
    bool edit(const std::filesystem::path& file, const std::function<bool(ProfileText&)>& change);

    ProfileFileCache cache_;
};

} // namespace tovra::platform::emulated
