#pragma once

// The program-wide failure route. An error that ends a handler reaches here
// (the application's event dispatch catches it). Until the picture preview
// window exists its text is shown in a message box; from then on the preview
// window's handler discards it silently.

#include "platform/MessageBoxes.h"

#include <string>

namespace tovra {

class ErrorRoute {
public:
    explicit ErrorRoute(platform::MessageBoxes& messageBoxes, std::string caption);

    /// From this moment errors are discarded without a message.
    void previewWindowCreated() { discard_ = true; }
    [[nodiscard]] bool discards() const { return discard_; }

    /// An error's text has ended a handler.
    void report(const std::string& text);

private:
    platform::MessageBoxes& messageBoxes_;
    std::string caption_;
    bool discard_ = false;
};

} // namespace tovra
