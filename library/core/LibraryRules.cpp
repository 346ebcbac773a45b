#include "library/core/LibraryRules.h"

#include "platform/ProfileFiles.h"
#include "settings/SettingsIndex.h"

namespace tovra::library {

namespace {

/// A key that any section can hold: the test is then about the section alone.
constexpr std::string_view kAnyKey = settings::key::kNewCategoryPlaceholder;

} // namespace

bool isCategorySection(std::string_view section, std::string_view sectionPrefix) {
    return section.find(sectionPrefix) == std::string_view::npos;
}

bool isCategoryName(std::string_view name, std::string_view sectionPrefix) {
    return platform::isStorableEntry(name, kAnyKey, {}) &&
           name.find(']') == std::string_view::npos && isCategorySection(name, sectionPrefix);
}

} // namespace tovra::library
