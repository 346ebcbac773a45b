#include "platform/win32/Win32ProfileFiles.h"

#include "platform/win32/AnsiText.h"

#include <algorithm>
#include <limits>
#include <windows.h>

namespace tovra::platform::win32 {

namespace {

constexpr std::size_t kLargestBuffer = std::numeric_limits<DWORD>::max() / 2;

/// The names of a list that the call returned in full: each ends in a zero,
/// and an empty name ends the list.
std::vector<std::string> splitNames(std::string_view list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = std::min(list.find('\0', start), list.size());
        if (end == start) {
            break;
        }
        names.push_back(fromAnsi(list.substr(start, end - start)));
        start = end + 1;
    }
    return names;
}

BOOL writeProfile(const std::string& file, const AnsiArgument& section, const AnsiArgument& key,
                  const AnsiArgument& value) {
    return ::WritePrivateProfileStringA(section.get(), key.get(), value.get(),
                                        toAnsi(file).c_str());
}

} // namespace

Win32ProfileFiles::Win32ProfileFiles(std::size_t listBufferSize)
    : listBufferSize_(std::clamp<std::size_t>(listBufferSize, 1, kLargestBuffer)) {}

std::string Win32ProfileFiles::readString(const std::string& file, const std::string& section,
                                          const std::string& key, const std::string& defaultValue,
                                          std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    std::string buffer(std::min(bufferSize, kLargestBuffer), '\0');
    const DWORD length = ::GetPrivateProfileStringA(
        toAnsi(section).c_str(), toAnsi(key).c_str(), toAnsi(defaultValue).c_str(), buffer.data(),
        static_cast<DWORD>(buffer.size()), toAnsi(file).c_str());
    // The text ends at its zero: Wine counts a byte it did not write when the
    // buffer cuts a double-byte character in half.
    buffer.resize(std::min<std::size_t>(length, buffer.size() - 1));
    buffer.resize(std::min(buffer.find('\0'), buffer.size()));
    return fromAnsi(wholeAnsiCharacters(buffer));
}

std::vector<std::string> Win32ProfileFiles::readKeys(const std::string& file,
                                                     const std::string& section) {
    return readList(file, section);
}

std::vector<std::string> Win32ProfileFiles::readSections(const std::string& file) {
    return readList(file, std::nullopt);
}

std::vector<std::string>
Win32ProfileFiles::readList(const std::string& file,
                            const std::optional<std::string>& section) const {
    const std::string ansiFile = toAnsi(file);
    const AnsiArgument ansiSection(section);
    std::string buffer(listBufferSize_, '\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = ::GetPrivateProfileStringA(ansiSection.get(), nullptr, "",
                                                        buffer.data(), size, ansiFile.c_str());
        // A list cut short comes back as size - 2 bytes; so does a list that
        // fills the buffer exactly, which the next, larger read tells apart.
        if (length + 2 < size || buffer.size() >= kLargestBuffer) {
            return splitNames(std::string_view(buffer.data(), std::min<std::size_t>(length, size)));
        }
        buffer.assign(std::min(buffer.size() * 2, kLargestBuffer), '\0');
    }
}

bool Win32ProfileFiles::writeString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& value) {
    if (!isStorableEntry(section, key, value)) {
        return false;
    }
    return writeProfile(file, AnsiArgument(section), AnsiArgument(key), AnsiArgument(value)) !=
           FALSE;
}

bool Win32ProfileFiles::deleteKey(const std::string& file, const std::string& section,
                                  const std::string& key) {
    return writeProfile(file, AnsiArgument(section), AnsiArgument(key), AnsiArgument()) != FALSE;
}

bool Win32ProfileFiles::eraseSection(const std::string& file, const std::string& section) {
    return writeProfile(file, AnsiArgument(section), AnsiArgument(), AnsiArgument()) != FALSE;
}

bool Win32ProfileFiles::writeSection(const std::string& file, const std::string& section,
                                     const std::vector<ProfileEntry>& entries) {
    if (!isStorableEntry(section, "k", "")) {
        return false;
    }
    // "key=value" strings, each ending in a zero, and one more zero at the end.
    std::string lines;
    for (const auto& [key, value] : entries) {
        if (!isStorableEntry(section, key, value)) {
            return false;
        }
        lines += key + '=' + value + '\0';
    }
    lines += '\0';
    const std::string ansiLines = toAnsi(lines);
    return ::WritePrivateProfileSectionA(toAnsi(section).c_str(), ansiLines.data(),
                                         toAnsi(file).c_str()) != FALSE;
}

} // namespace tovra::platform::win32
