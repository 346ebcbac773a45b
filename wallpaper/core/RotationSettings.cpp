#include "wallpaper/core/RotationSettings.h"

#include "platform/Error.h"
#include "settings/SettingsIndex.h"
#include "toolkit/core/ItemIndex.h"

#include <algorithm>

namespace tovra::wallpaper {

namespace {

std::string section(std::string_view prefix, std::string_view suffix) {
    return settings::sectionName(prefix, suffix);
}

std::string key(std::string_view name) {
    return std::string(name);
}

int unitIndexOf(const std::string& name) {
    for (std::size_t i = 0; i < kPeriodUnits.size(); ++i) {
        if (kPeriodUnits[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

void moveSize(RotationSettings& settings, int value) {
    const int position = std::clamp(value, settings.sizeMinimum, settings.sizeMaximum);
    if (position != settings.size) {
        settings.size = position;
        settings.sizeText = std::to_string(position);
    }
}

void applyUnit(RotationSettings& settings) {
    if (settings.unit < 0) {
        return;
    }
    const PeriodUnit& unit = kPeriodUnits[static_cast<std::size_t>(settings.unit)];
    settings.sizeMinimum = unit.minimum;
    settings.sizeMaximum = unit.maximum;
    moveSize(settings, settings.size);
    settings.unitText = std::string(unit.caption);
}

void selectUnit(RotationSettings& settings, int index) {
    const int chosen = toolkit::radioItemIndex(index, static_cast<int>(kPeriodUnits.size()));
    if (chosen == settings.unit) {
        return;
    }
    settings.unit = chosen;
    applyUnit(settings);
}

void LoadRotationSettings(const settings::IniFile& ini, std::string_view sectionPrefix,
                          RotationSettings& settings, int& selectMode) {
    const std::string period = section(sectionPrefix, settings::section::kSetting);
    const std::string sizeText = ini.readString(period, key(settings::key::kSetSize), "0");
    const auto size = settings::parseIniInteger(sizeText);
    if (!size) {
        throw Error("'" + sizeText + "' is not a valid integer value");
    }
    moveSize(settings, *size);
    settings.sizeText = sizeText;

    selectUnit(settings, unitIndexOf(ini.readString(period, key(settings::key::kSetName), "hour")));

    const int style = ini.readInteger(section(sectionPrefix, settings::section::kSettingShow),
                                      key(settings::key::kSetShow), 0);
    settings.style = toolkit::radioItemIndex(style, kDisplayStyleCount);

    const int mode = ini.readInteger(section(sectionPrefix, settings::section::kPicSelectMode),
                                     key(settings::key::kSetMode), 0);
    settings.mode = toolkit::radioItemIndex(mode, kSelectModeCount);
    if (settings.mode >= 0) {
        selectMode = settings.mode;
    }
}

void SaveRotationSettings(settings::IniFile& ini, std::string_view sectionPrefix,
                          const RotationSettings& settings) {
    const std::string period = section(sectionPrefix, settings::section::kSetting);
    ini.writeString(period, key(settings::key::kSetSize), std::to_string(settings.size));
    if (settings.unit >= 0) {
        ini.writeString(period, key(settings::key::kSetName),
                        std::string(kPeriodUnits[static_cast<std::size_t>(settings.unit)].name));
    }
    ini.writeInteger(section(sectionPrefix, settings::section::kSettingShow),
                     key(settings::key::kSetShow), settings.style);
    if (settings.mode >= 0) {
        ini.writeString(section(sectionPrefix, settings::section::kPicSelectMode),
                        key(settings::key::kSetMode), std::to_string(settings.mode));
    }
}

} // namespace tovra::wallpaper
