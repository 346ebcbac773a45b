// The settings file as the program reads and writes it: any bytes read as a
// document; written back unchanged they are the same bytes; a key written
// reads back, and every value of the other sections stays as it was.
#include "FuzzCheck.h"
#include "platform/emulated/ProfileEncoding.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

using namespace tovra::platform::emulated;

namespace {

constexpr std::string_view kSection = "Fuzz Section";
constexpr std::string_view kKey = "Key";
constexpr std::string_view kValue = "一个值";

bool isFuzzSection(std::string_view name) {
    if (name.size() != kSection.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(name[i]) != lower(kSection[i])) {
            return false;
        }
    }
    return true;
}

using Values = std::map<std::pair<std::string, std::string>, std::string>;

// What a reader sees in the sections the write does not touch.
Values otherValues(const ProfileText& text) {
    Values values;
    for (const std::string& section : text.sections()) {
        if (isFuzzSection(section)) {
            continue;
        }
        for (const std::string& key : text.keys(section)) {
            values[{section, key}] = std::string(text.value(section, key).value_or(""));
        }
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProfileDocument document = decodeProfile(bytes);
    if (const std::optional<std::string> unchanged = encodeProfile(document)) {
        TOVRA_FUZZ_CHECK(*unchanged == bytes);
    }
    const Values before = otherValues(document.text);
    document.text.setValue(kSection, kKey, kValue);
    const std::optional<std::string> written = encodeProfile(document);
    if (!written) {
        return 0; // refused: the file stays as it was
    }
    const ProfileDocument again = decodeProfile(*written);
    TOVRA_FUZZ_CHECK(again.text.value(kSection, kKey) == std::optional<std::string_view>(kValue));
    TOVRA_FUZZ_CHECK(otherValues(again.text) == before);
    return 0;
}
