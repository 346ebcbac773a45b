#include "toolkit/core/ErrorRoute.h"

#include <utility>

namespace tovra {

ErrorRoute::ErrorRoute(platform::MessageBoxes& messageBoxes, std::string caption)
    : messageBoxes_(messageBoxes)
    , caption_(std::move(caption)) {}

void ErrorRoute::report(const std::string& text) {
    if (!discard_) {
        messageBoxes_.messageBox(0, text, caption_, platform::kMbOk | platform::kMbIconError);
    } else if (handler_) {
        handler_(text);
    }
}

} // namespace tovra
