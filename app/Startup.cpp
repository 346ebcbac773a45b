#include "app/Startup.h"

#include "app/Unit_TovraDesktop.h"
#include "app/core/ErrorRoute.h"
#include "toolkit/ErrorGuard.h"

namespace tovra {

bool startMainWindow(TFormTovraDesktop& window, ErrorRoute& errors) {
    toolkit::guarded(errors, [&window] { window.FormCreate(); });
    if (window.startupRefused()) {
        return false;
    }
    if (!window.hasTrayIcon()) {
        window.show();
    }
    return true;
}

} // namespace tovra
