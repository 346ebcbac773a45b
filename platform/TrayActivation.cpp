#include "platform/TrayActivation.h"

#include "platform/TrayIcon.h"

namespace tovra::platform {

std::intptr_t mouseMessageFor(TrayActivation activation, bool reportsDoubleClicks) {
    switch (activation) {
    case TrayActivation::Single:
        return reportsDoubleClicks ? kWmLButtonUp : kWmLButtonDblClk;
    case TrayActivation::Double:
        return kWmLButtonDblClk;
    case TrayActivation::Context:
        return kWmRButtonUp;
    case TrayActivation::Middle:
        return kWmMButtonUp;
    case TrayActivation::Unknown:
        break;
    }
    return 0;
}

} // namespace tovra::platform
