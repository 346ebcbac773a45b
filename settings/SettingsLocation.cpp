#include "settings/SettingsLocation.h"

#include "platform/SettingsFolder.h"
#include "settings/IniFile.h"

#include <chrono>
#include <fstream>

namespace tovra::settings {

std::string chooseSettingsIni(const std::string& executablePath, bool besideExists,
                              bool folderWritable,
                              const std::optional<std::filesystem::path>& userFolder) {
    if (besideExists || folderWritable || !userFolder) {
        return settingsIniPath(executablePath);
    }
    return (*userFolder / std::filesystem::path(settingsIniPath(executablePath)).filename())
        .string();
}

bool folderAcceptsFiles(const std::filesystem::path& folder) {
    const auto probe =
        folder / (".tovra-probe-" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    bool made = false;
    {
        std::ofstream file(probe, std::ios::out | std::ios::binary);
        made = file.good();
    }
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return made;
}

std::string locateSettingsIni(const std::string& executablePath) {
    const std::filesystem::path beside(settingsIniPath(executablePath));
    std::error_code error;
    const bool besideExists = std::filesystem::exists(beside, error);
    const bool writable = besideExists || folderAcceptsFiles(beside.parent_path());
    const auto userFolder = platform::userSettingsFolder("TovraDesktop");
    std::string chosen = chooseSettingsIni(executablePath, besideExists, writable, userFolder);
    if (chosen != beside.string()) {
        std::filesystem::create_directories(*userFolder, error);
    }
    return chosen;
}

} // namespace tovra::settings
