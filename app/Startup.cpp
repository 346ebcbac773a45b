#include "app/Startup.h"

#include "app/Unit_TovraDesktop.h"
#include "app/core/ErrorRoute.h"

#include <exception>

namespace tovra {

void startMainWindow(TFormTovraDesktop& window, ErrorRoute& errors) {
    try {
        window.FormCreate();
    } catch (const std::exception& error) {
        errors.report(error.what());
    }
    if (!window.hasTrayIcon()) {
        window.show();
    }
}

} // namespace tovra
