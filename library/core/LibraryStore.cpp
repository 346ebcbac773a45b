#include "library/core/LibraryStore.h"

#include "library/core/LibraryRules.h"
#include "settings/SectionKeys.h"
#include "settings/SettingsIndex.h"
#include "wallpaper/core/PicNameList.h"

#include <algorithm>
#include <iterator>

namespace tovra::library {

namespace {

const std::string kPlaceholder(settings::key::kNewCategoryPlaceholder);

} // namespace

LibraryStore::LibraryStore(settings::IniFile& ini, std::string_view sectionPrefix)
    : ini_(ini)
    , sectionPrefix_(sectionPrefix) {}

void LibraryStore::WriteEmptyKey(const std::string& section, const std::string& key) {
    if (!ini_.valueExists(section, key)) {
        ini_.writeString(section, key, {});
    }
}

std::vector<std::string> LibraryStore::categories() const {
    std::vector<std::string> names = ini_.readSections();
    std::erase_if(names, [this](const std::string& name) {
        return !isCategorySection(name, sectionPrefix_);
    });
    return names;
}

std::vector<std::string> LibraryStore::loadCategories() {
    if (ini_.readSections().empty()) {
        createRecommendedCategories();
    }
    return categories();
}

std::vector<std::string> LibraryStore::pictures(const std::string& category) const {
    return ini_.readSection(category);
}

bool LibraryStore::createCategory(const std::string& name) {
    if (!isCategoryName(name, sectionPrefix_)) {
        return false;
    }
    if (!holdsSection(name)) {
        // A profile write cannot make a bare header: write a stand-in key and take it out.
        WriteEmptyKey(name, kPlaceholder);
        ini_.deleteKey(name, kPlaceholder);
    }
    return true;
}

bool LibraryStore::renameCategory(const std::string& oldName, const std::string& newName) {
    if (!isCategorySection(oldName, sectionPrefix_) || !isCategoryName(newName, sectionPrefix_)) {
        return false;
    }
    const std::vector<std::string> keys = pictures(oldName);
    const bool sameSection = sameSectionName(oldName, newName);
    // Into another section the pictures are written before the old section
    // goes, so a refused write never loses them.
    if (sameSection) {
        ini_.eraseSection(oldName);
    }
    if (keys.empty()) {
        createCategory(newName);
    } else {
        settings::appendMissingKeys(ini_, newName, keys);
    }
    if (!sameSection) {
        ini_.eraseSection(oldName);
    }
    return true;
}

bool LibraryStore::deleteCategory(const std::string& name) {
    if (!isCategorySection(name, sectionPrefix_)) {
        return false;
    }
    ini_.eraseSection(name);
    return true;
}

void LibraryStore::createRecommendedCategories() {
    for (const std::string_view name : kRecommendedCategories) {
        createCategory(std::string(name));
    }
}

std::size_t LibraryStore::addPictures(const std::string& category,
                                      const std::vector<std::string>& paths) {
    std::vector<std::string> storable;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(storable),
                 wallpaper::isListablePath);
    return settings::appendMissingKeys(ini_, category, storable).size();
}

void LibraryStore::removePicture(const std::string& category, const std::string& path) {
    ini_.deleteKey(category, path);
}

bool LibraryStore::holdsSection(std::string_view name) const {
    const std::vector<std::string> sections = ini_.readSections();
    return std::any_of(sections.begin(), sections.end(), [name](const std::string& section) {
        return sameSectionName(section, name);
    });
}

} // namespace tovra::library
