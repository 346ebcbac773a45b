#include "app/core/HomePage.h"

#include "app/core/MainWindowTexts.h"

#include <string>

namespace tovra::mainwindow {

bool visitHomePage(platform::MessageBoxes& messageBoxes, platform::Shell& shell,
                   platform::Hwnd owner) {
    const int answer = messageBoxes.messageBox(owner, std::string(kHomePageQuestion),
                                               std::string(kPromptCaption), platform::kMbOkCancel);
    if (answer != platform::kIdOk) {
        return false;
    }
    shell.shellExecute(owner, {}, std::string(kHomePage), {}, {}, platform::kSwShowNormal);
    return true;
}

} // namespace tovra::mainwindow
