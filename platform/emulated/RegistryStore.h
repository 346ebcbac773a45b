#pragma once

// registry.reg in the emulated state folder. Reads take no lock: every
// replacement of the file is an atomic rename, so a reader sees the old file
// or the new one, never half of one. Changes are read-modify-writes under the
// file's write lock, so two instances never lose each other's writes; a
// registry.reg that is a symbolic link is written through (FileStore.h). A
// file that does not parse is never overwritten: it is renamed to
// registry.reg.bad-<YYYYMMDD-HHMMSS> (the file a link leads to, beside
// itself) and reported once on the diagnostics stream, and the registry
// starts empty.

#include "platform/Types.h"
#include "platform/emulated/FileStore.h"
#include "platform/emulated/RegTree.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace tovra::platform::emulated {

class RegistryStore {
public:
    /// What a change did to the tree: its status, and whether the tree must be written.
    struct Outcome {
        Status status = kErrorSuccess;
        bool changed = false;
    };

    RegistryStore(std::filesystem::path stateRoot, std::ostream& diagnostics);

    [[nodiscard]] const std::filesystem::path& path() const { return file_; }

    /// The registry as the file holds it now; empty when there is no file (or
    /// when it did not parse and was moved aside). Null when the file exists
    /// but cannot be read. The file is read again only when it is no longer
    /// the version read or written last, and parsed again only when its bytes
    /// changed.
    [[nodiscard]] std::shared_ptr<const RegTree> read();

    /// Runs change on the current tree under the folder's lock, and writes the
    /// tree back when change says it changed. The state folder is created
    /// (mode 0700) when missing, the file with mode 0600. kErrorAccessDenied
    /// when the folder cannot be created or locked, the file cannot be read,
    /// or the new file cannot be written; the old file is then kept as it was.
    Status update(const std::function<Outcome(RegTree&)>& change);

private:
    struct Loaded {
        std::optional<RegTree> tree;
        bool mayWrite = true;
        /// The tree was moved out of the cache, which is empty until it is back.
        bool tookCached = false;
    };

    /// Reads and parses the file; one that does not parse is moved aside.
    Loaded load(bool locked);
    /// The tree to change under the lock: the one held when the file is still
    /// the version it came from (taken when no reader shares it, else a
    /// copy), else the file's.
    Loaded loadForChange();
    bool moveAside(const std::string& bytes, const std::string& reason);
    bool ensureStateRoot() const;

    std::filesystem::path root_;
    std::filesystem::path file_;
    std::ostream& diagnostics_;
    /// The bytes of a bad file that could not be moved aside and was already reported.
    std::optional<std::string> reportedUnmovable_;
    /// The last file read or written: its version, its bytes and its tree.
    FileVersion cachedVersion_;
    std::string cachedBytes_;
    std::shared_ptr<RegTree> cachedTree_;
};

/// Where a bad file goes: file + ".bad-" + stamp, or with "-2", "-3", ...
/// added when that name is taken.
[[nodiscard]] std::filesystem::path badFilePath(const std::filesystem::path& file,
                                                const std::string& stamp);

} // namespace tovra::platform::emulated
