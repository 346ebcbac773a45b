#include "wallpaper/core/PicNameList.h"

#include "platform/ProfileFiles.h"
#include "platform/TextCase.h"
#include "settings/SectionKeys.h"
#include "settings/SettingsIndex.h"

#include <algorithm>
#include <iterator>

namespace tovra::wallpaper {

namespace {

constexpr std::string_view kBlanks = " \t\v\f\x1a";

bool isListed(const std::vector<std::string>& keys, const std::string& path) {
    return std::any_of(keys.begin(), keys.end(), [&path](const std::string& key) {
        return platform::equalsIgnoringCase(key, path);
    });
}

} // namespace

bool isListablePath(const std::string& path) {
    return !path.empty() && kBlanks.find(path.front()) == std::string_view::npos &&
           kBlanks.find(path.back()) == std::string_view::npos && path.front() != ';' &&
           path.front() != '[' && path.find('=') == std::string::npos &&
           platform::isStorableEntry("s", path, "");
}

PicNameList::PicNameList(settings::IniFile& settings)
    : settings_(settings)
    , section_(settings::sectionName(settings::kSectionPrefix, settings::section::kPicNameList)) {}

std::vector<std::string> PicNameList::load() const {
    return settings_.readSection(section_);
}

bool PicNameList::add(const std::string& path) {
    if (!isListablePath(path) || isListed(load(), path)) {
        return false;
    }
    settings_.writeString(section_, path, "");
    return true;
}

std::vector<std::string> PicNameList::addAll(std::span<const std::string> paths) {
    std::vector<std::string> listable;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(listable), isListablePath);
    return settings::appendMissingKeys(settings_, section_, listable);
}

void PicNameList::remove(const std::string& path) {
    if (!path.empty()) {
        settings_.deleteKey(section_, path);
    }
}

void PicNameList::clear() {
    settings_.eraseSection(section_);
}

} // namespace tovra::wallpaper
