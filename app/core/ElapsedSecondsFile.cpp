#include "app/core/ElapsedSecondsFile.h"

#include "settings/SettingsIndex.h"

#include <string>

namespace tovra::mainwindow {

std::int32_t loadElapsedSeconds(const settings::IniFile& ini, std::string_view sectionPrefix) {
    return ini.readInteger(settings::sectionName(sectionPrefix, settings::section::kSecondNum),
                           std::string(settings::key::kTime), settings::key::kTimeDefault);
}

void saveElapsedSeconds(settings::IniFile& ini, std::string_view sectionPrefix,
                        std::int32_t seconds) {
    ini.writeInteger(settings::sectionName(sectionPrefix, settings::section::kSecondNum),
                     std::string(settings::key::kTime), seconds);
}

} // namespace tovra::mainwindow
