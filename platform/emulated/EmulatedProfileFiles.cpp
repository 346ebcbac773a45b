#include "platform/emulated/EmulatedProfileFiles.h"

#include "platform/emulated/CodePage936.h"
#include "platform/emulated/FileStore.h"

#include <sys/stat.h>
#include <unistd.h>

namespace tovra::platform::emulated {

namespace {

/// Windows drops the trailing blanks of a default value.
std::string_view withoutTrailingSpaces(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

/// Whether the file exists but may not be written: the emulated read-only
/// attribute (no write permission), or not a regular file.
bool refusesWrites(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return false;
    }
    return !S_ISREG(info.st_mode) || (info.st_mode & 0222) == 0 ||
           ::access(file.c_str(), W_OK) != 0;
}

} // namespace

std::string EmulatedProfileFiles::readString(const std::string& file, const std::string& section,
                                             const std::string& key,
                                             const std::string& defaultValue,
                                             std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    std::error_code error;
    const ProfileDocument* document = cache_.read(file, error);
    const auto stored = document != nullptr ? document->text.value(section, key) : std::nullopt;
    const std::string_view text = stored ? *stored : withoutTrailingSpaces(defaultValue);
    return std::string(utf8Prefix(text, bufferSize - 1));
}

std::vector<std::string> EmulatedProfileFiles::readKeys(const std::string& file,
                                                        const std::string& section) {
    std::error_code error;
    const ProfileDocument* document = cache_.read(file, error);
    return document != nullptr ? document->text.keys(section) : std::vector<std::string>();
}

std::vector<std::string> EmulatedProfileFiles::readSections(const std::string& file) {
    std::error_code error;
    const ProfileDocument* document = cache_.read(file, error);
    return document != nullptr ? document->text.sections() : std::vector<std::string>();
}

bool EmulatedProfileFiles::writeString(const std::string& file, const std::string& section,
                                       const std::string& key, const std::string& value) {
    if (!isStorableEntry(section, key, value)) {
        return false;
    }
    return edit(file, [&](ProfileText& text) { return text.setValue(section, key, value); });
}

bool EmulatedProfileFiles::deleteKey(const std::string& file, const std::string& section,
                                     const std::string& key) {
    return edit(file, [&](ProfileText& text) { return text.deleteKey(section, key); });
}

bool EmulatedProfileFiles::eraseSection(const std::string& file, const std::string& section) {
    return edit(file, [&](ProfileText& text) { return text.eraseSection(section); });
}

bool EmulatedProfileFiles::writeSection(const std::string& file, const std::string& section,
                                        const std::vector<ProfileEntry>& entries) {
    for (const auto& [key, value] : entries) {
        if (!isStorableEntry(section, key, value)) {
            return false;
        }
    }
    if (!isStorableEntry(section, "k", "")) {
        return false;
    }
    return edit(file, [&](ProfileText& text) { return text.replaceSection(section, entries); });
}

bool EmulatedProfileFiles::edit(const std::filesystem::path& file,
                                const std::function<bool(ProfileText&)>& change) {
    const FileWriteLock lock(file);
    const std::int64_t started = ProfileFileCache::now();
    std::error_code error;
    auto document = cache_.take(file, error);
    if (!document) {
        if (error != std::errc::no_such_file_or_directory) {
            return false; // unreadable: writing would lose what it holds
        }
        document.emplace();
    }
    // Windows opens the file for writing before it looks inside, so a
    // read-only file refuses even a change that changes nothing.
    if (refusesWrites(file)) {
        return false;
    }
    if (!change(document->text)) {
        return true;
    }
    if (!lock.locked()) {
        return false; // without the lock another instance's write could be lost
    }
    auto bytes = encodeProfile(*document);
    if (!bytes) {
        return false; // the file's encoding cannot hold the change: it stays as it is
    }
    if (!replaceFile(file, *bytes)) {
        return false;
    }
    cache_.remember(file, std::move(*bytes), std::move(*document), started);
    return true;
}

} // namespace tovra::platform::emulated
