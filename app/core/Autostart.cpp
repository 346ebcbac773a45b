#include "app/core/Autostart.h"

#include "app/core/MainWindowTexts.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"

namespace tovra::mainwindow {

std::string runValueFor(std::string_view executablePath) {
    std::string value;
    value.reserve(executablePath.size() + 2);
    value += '"';
    value += executablePath;
    value += '"';
    return value;
}

void AutostartToggle::run(bool checked, const std::function<void(bool)>& setChecked) const {
    settings::RegistryAccess access(registry); // closes the key in every case
    access.setRootKey(settings::reg::kRunRoot);
    access.openKey(std::string(settings::reg::kRunKey), true);
    const std::string valueName(settings::reg::kRunValue);
    if (checked) {
        const int answer =
            messageBoxes.messageBox(owner, std::string(kAutostartOffQuestion),
                                    std::string(kPromptCaption), platform::kMbOkCancel);
        if (answer != platform::kIdOk) {
            return;
        }
        setChecked(false);
        access.deleteValue(valueName);
    } else {
        access.writeCommand(valueName, runValueFor(executablePath), {executablePath});
        setChecked(true);
    }
}

} // namespace tovra::mainwindow
