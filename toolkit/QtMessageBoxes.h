#pragma once

// MessageBoxA over QMessageBox: the owner is the widget whose window handle is
// passed (none when there is no such widget), the buttons and the icon come
// from the type, the answer is the Windows button code.

#include "platform/MessageBoxes.h"

namespace tovra::toolkit {

class QtMessageBoxes : public platform::MessageBoxes {
public:
    int messageBox(platform::Hwnd owner, const std::string& text, const std::string& caption,
                   unsigned type) override;
};

} // namespace tovra::toolkit
