#include "platform/emulated/RegistryStore.h"

#include "platform/emulated/FileStore.h"
#include "platform/emulated/RegFile.h"

#include <cerrno>
#include <ctime>
#include <sys/stat.h>
#include <utility>

namespace tovra::platform::emulated {

namespace {

constexpr unsigned kFileMode = 0600;
constexpr unsigned kFolderMode = 0700;

std::string localTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", &parts);
    return buffer;
}

} // namespace

std::filesystem::path badFilePath(const std::filesystem::path& file, const std::string& stamp) {
    const std::string base = file.string() + ".bad-" + stamp;
    std::filesystem::path candidate = base;
    std::error_code error;
    for (int counter = 2;
         std::filesystem::exists(std::filesystem::symlink_status(candidate, error)); ++counter) {
        candidate = base + "-" + std::to_string(counter);
    }
    return candidate;
}

RegistryStore::RegistryStore(std::filesystem::path stateRoot, std::ostream& diagnostics)
    : root_(std::move(stateRoot))
    , file_(root_ / "registry.reg")
    , diagnostics_(diagnostics) {}

std::shared_ptr<const RegTree> RegistryStore::read() {
    if (cachedTree_ && cachedVersion_.isCurrent(file_)) {
        return cachedTree_;
    }
    std::error_code error;
    FileVersion version;
    auto bytes = readFile(file_, error, &version);
    if (!bytes) {
        if (error == std::errc::no_such_file_or_directory) {
            return std::make_shared<const RegTree>();
        }
        return nullptr;
    }
    if (cachedTree_ && *bytes == cachedBytes_) {
        cachedVersion_ = std::move(version);
        return cachedTree_;
    }
    try {
        cachedTree_ = std::make_shared<RegTree>(parseRegFile(*bytes));
        cachedBytes_ = std::move(*bytes);
        cachedVersion_ = std::move(version);
        return cachedTree_;
    } catch (const RegFileError&) {
        // Settle it under the lock, where no other instance is halfway through
        // replacing it; the file may already be good again by then.
        const FileWriteLock lock(file_);
        auto loaded = load(lock.locked()).tree;
        return loaded ? std::make_shared<const RegTree>(std::move(*loaded)) : nullptr;
    }
}

Status RegistryStore::update(const std::function<Outcome(RegTree&)>& change) {
    if (!ensureStateRoot()) {
        return kErrorAccessDenied;
    }
    const FileWriteLock lock(file_);
    if (!lock.locked()) {
        return kErrorAccessDenied;
    }
    Loaded loaded = loadForChange();
    if (!loaded.tree || !loaded.mayWrite) {
        return kErrorAccessDenied;
    }
    const Outcome outcome = change(*loaded.tree);
    if (!outcome.changed) {
        if (loaded.tookCached) {
            cachedTree_ = std::make_shared<RegTree>(std::move(*loaded.tree));
        }
        return outcome.status;
    }
    std::string text = serialiseRegFile(*loaded.tree, cachedBytes_.size());
    if (!replaceFile(file_, text, kFileMode)) {
        return kErrorAccessDenied;
    }
    // Under the lock every writer waits, so what the file is now is what was
    // just written.
    cachedVersion_ = FileVersion::of(file_);
    cachedBytes_ = std::move(text);
    cachedTree_ = std::make_shared<RegTree>(std::move(*loaded.tree));
    return outcome.status;
}

RegistryStore::Loaded RegistryStore::loadForChange() {
    if (!cachedTree_ || !cachedVersion_.isCurrent(file_)) {
        return load(true);
    }
    if (cachedTree_.use_count() > 1) {
        return {*cachedTree_, true};
    }
    // A failed write leaves the cache empty, so the file is read again.
    Loaded taken{std::move(*cachedTree_), true, true};
    cachedTree_.reset();
    return taken;
}

RegistryStore::Loaded RegistryStore::load(bool locked) {
    std::error_code error;
    const auto bytes = readFile(file_, error);
    if (!bytes) {
        if (error == std::errc::no_such_file_or_directory) {
            return {RegTree{}, true};
        }
        return {std::nullopt, false};
    }
    try {
        return {parseRegFile(*bytes), true};
    } catch (const RegFileError& bad) {
        // Without the lock another instance might be replacing the file right
        // now; leave it where it is and only read it as empty.
        const bool moved = locked && moveAside(*bytes, bad.what());
        return {RegTree{}, moved};
    }
}

bool RegistryStore::moveAside(const std::string& bytes, const std::string& reason) {
    // A link stays: the file it leads to goes aside, beside itself.
    const auto bad = writeTarget(file_);
    const std::filesystem::path target = badFilePath(bad.value_or(file_), localTimeStamp());
    std::error_code error;
    std::filesystem::rename(bad.value_or(file_), target, error);
    if (!error) {
        reportedUnmovable_.reset();
        diagnostics_ << "TovraDesktop: the registry file " << file_.string() << " does not parse ("
                     << reason << "); it was moved to " << target.string()
                     << " and the registry starts empty.\n"
                     << std::flush;
        return true;
    }
    if (reportedUnmovable_ != bytes) {
        reportedUnmovable_ = bytes;
        diagnostics_ << "TovraDesktop: the registry file " << file_.string() << " does not parse ("
                     << reason << ") and could not be moved aside (" << error.message()
                     << "); the registry reads as empty and refuses changes"
                     << " until the file is repaired or removed.\n"
                     << std::flush;
    }
    return false;
}

bool RegistryStore::ensureStateRoot() const {
    std::error_code error;
    if (std::filesystem::is_directory(root_, error)) {
        return true;
    }
    if (root_.has_parent_path()) {
        std::filesystem::create_directories(root_.parent_path(), error);
    }
    if (::mkdir(root_.c_str(), kFolderMode) != 0 && errno != EEXIST) {
        return false;
    }
    return std::filesystem::is_directory(root_, error);
}

} // namespace tovra::platform::emulated
