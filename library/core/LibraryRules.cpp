#include "library/core/LibraryRules.h"

#include "platform/ProfileFiles.h"
#include "platform/TextCase.h"
#include "settings/SettingsIndex.h"

#include <algorithm>

namespace tovra::library {

namespace {

/// A key that any section can hold: the test is then about the section alone.
constexpr std::string_view kAnyKey = settings::key::kNewCategoryPlaceholder;

/// Section names are stored without the blanks around them.
std::string_view trimmed(std::string_view name) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f\x1a";
    const auto begin = name.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) {
        return {};
    }
    return name.substr(begin, name.find_last_not_of(kBlanks) - begin + 1);
}

} // namespace

bool sameSectionName(std::string_view a, std::string_view b) {
    return platform::equalsIgnoringCase(trimmed(a), trimmed(b));
}

bool isProgramSection(std::string_view section, std::string_view sectionPrefix) {
    return std::any_of(settings::section::kOwned.begin(), settings::section::kOwned.end(),
                       [&](std::string_view suffix) {
                           return sameSectionName(section,
                                                  settings::sectionName(sectionPrefix, suffix));
                       });
}

bool isCategorySection(std::string_view section, std::string_view sectionPrefix) {
    return section.find(sectionPrefix) == std::string_view::npos &&
           !isProgramSection(section, sectionPrefix);
}

bool isCategoryName(std::string_view name, std::string_view sectionPrefix) {
    return platform::isStorableEntry(name, kAnyKey, {}) &&
           name.find(']') == std::string_view::npos && isCategorySection(name, sectionPrefix);
}

} // namespace tovra::library
