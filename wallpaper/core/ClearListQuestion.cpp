#include "wallpaper/core/ClearListQuestion.h"

#include <string>

namespace tovra::wallpaper {

bool confirmClearingList(platform::MessageBoxes& messageBoxes, platform::Hwnd owner) {
    return messageBoxes.messageBox(owner, std::string(kClearListQuestion),
                                   std::string(kWarningCaption),
                                   platform::kMbYesNoCancel | platform::kMbIconInformation) ==
           platform::kIdYes;
}

} // namespace tovra::wallpaper
