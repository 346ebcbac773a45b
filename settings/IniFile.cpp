#include "settings/IniFile.h"

#include "platform/TextCase.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <limits>

namespace tovra::settings {

namespace {

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<std::int32_t> parseHex(std::string_view digits, bool negative) {
    std::uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    // Hexadecimal text names the 32 bits themselves: $FFFFFFFF is -1.
    const auto bits = negative ? (0u - value) : value;
    return static_cast<std::int32_t>(bits);
}

std::optional<std::int32_t> parseDecimal(std::string_view digits, bool negative) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || digits.front() == '-' || error != std::errc{} ||
        end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

IniFileError::IniFileError(const std::string& fileName)
    : Error("Unable to write to " + fileName) {}

std::optional<std::int32_t> parseIniInteger(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.starts_with('$')) {
        return parseHex(text.substr(1), negative);
    }
    if (text.starts_with("0x") || text.starts_with("0X")) {
        return parseHex(text.substr(2), negative);
    }
    return parseDecimal(text, negative);
}

std::string settingsIniPath(const std::string& executablePath) {
    std::filesystem::path path(executablePath);
    path.replace_extension(".ini");
    return path.string();
}

IniFile::IniFile(platform::ProfileFiles& profiles, std::string fileName)
    : profiles_(profiles)
    , fileName_(std::move(fileName)) {}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    return profiles_.readString(fileName_, section, key, defaultValue, kStringBufferSize);
}

std::int32_t IniFile::readInteger(const std::string& section, const std::string& key,
                                  std::int32_t defaultValue) const {
    return parseIniInteger(readString(section, key, {})).value_or(defaultValue);
}

void IniFile::writeString(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (!profiles_.writeString(fileName_, section, key, value)) {
        throw IniFileError(fileName_);
    }
}

void IniFile::writeInteger(const std::string& section, const std::string& key, std::int32_t value) {
    writeString(section, key, std::to_string(value));
}

bool IniFile::valueExists(const std::string& section, const std::string& key) const {
    const auto keys = readSection(section);
    return std::any_of(keys.begin(), keys.end(), [&key](const std::string& name) {
        return platform::equalsIgnoringCase(name, key);
    });
}

std::vector<std::string> IniFile::readSection(const std::string& section) const {
    return profiles_.readKeys(fileName_, section);
}

std::vector<std::string> IniFile::readSections() const {
    return profiles_.readSections(fileName_);
}

void IniFile::deleteKey(const std::string& section, const std::string& key) noexcept {
    try {
        profiles_.deleteKey(fileName_, section, key);
    } catch (...) { // a failed deletion is silent by design
    }
}

void IniFile::eraseSection(const std::string& section) {
    if (!profiles_.eraseSection(fileName_, section)) {
        throw IniFileError(fileName_);
    }
}

void IniFile::writeSection(const std::string& section,
                           const std::vector<platform::ProfileEntry>& entries) {
    if (!profiles_.writeSection(fileName_, section, entries)) {
        throw IniFileError(fileName_);
    }
}

} // namespace tovra::settings
