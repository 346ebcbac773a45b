#pragma once

// The program-wide failure route. An error that ends a handler reaches here
// (the application's event dispatch catches it). Until the picture preview
// window exists its text is shown in a message box; from then on it goes to
// the preview window's handler, which discards it silently.

#include "platform/MessageBoxes.h"

#include <functional>
#include <string>

namespace tovra {

class ErrorRoute {
public:
    using Handler = std::function<void(const std::string& text)>;

    explicit ErrorRoute(platform::MessageBoxes& messageBoxes, std::string caption);

    /// From this moment errors go to handler, never to a message box (an
    /// empty handler drops them).
    void previewWindowCreated(Handler handler = {}) {
        handler_ = std::move(handler);
        discard_ = true;
    }
    [[nodiscard]] bool discards() const { return discard_; }

    /// An error's text has ended a handler.
    void report(const std::string& text);

private:
    platform::MessageBoxes& messageBoxes_;
    std::string caption_;
    Handler handler_;
    bool discard_ = false;
};

} // namespace tovra
