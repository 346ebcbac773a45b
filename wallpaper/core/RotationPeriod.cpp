#include "wallpaper/core/RotationPeriod.h"

#include "platform/Error.h"
#include "settings/SettingsIndex.h"

#include <array>
#include <utility>

namespace tovra::wallpaper {

namespace {

constexpr std::array<std::pair<std::string_view, std::int64_t>, 3> kUnits = {
    {{"hour", 3600}, {"day", 86400}, {"week", 604800}}};

const std::pair<std::string_view, std::int64_t>* unitNamed(std::string_view name) {
    for (const auto& unit : kUnits) {
        if (unit.first == name) {
            return &unit;
        }
    }
    return nullptr;
}

} // namespace

std::int64_t periodSeconds(std::string_view setname, std::int32_t setsize) {
    const auto* unit = unitNamed(setname);
    return unit != nullptr ? std::int64_t{setsize} * unit->second : kDefaultPeriod;
}

std::int64_t readRotationPeriod(const settings::IniFile& settings) {
    const std::string section =
        settings::sectionName(settings::kSectionPrefix, settings::section::kSetting);
    const std::string sizeKey(settings::key::kSetSize);
    if (!settings.valueExists(section, sizeKey)) {
        return kDefaultPeriod;
    }
    const std::string setname =
        settings.readString(section, std::string(settings::key::kSetName), "hour");
    if (unitNamed(setname) == nullptr) {
        return kDefaultPeriod;
    }
    const std::string setsize = settings.readString(section, sizeKey, "");
    const auto count = settings::parseIniInteger(setsize);
    if (!count) {
        throw Error("'" + setsize + "' is not a valid integer value");
    }
    return periodSeconds(setname, *count);
}

} // namespace tovra::wallpaper
