#include "app/Startup.h"

#include "app/FeatureWindowFactory.h"
#include "app/Unit_TovraDesktop.h"
#include "toolkit/ErrorGuard.h"
#include "toolkit/core/ErrorRoute.h"
#include "wallpaper/Unit_PicView.h"
#include "wallpaper/Unit_Piclist.h"
#include "wallpaper/core/WallpaperSetterSource.h"

#include <utility>

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

WallpaperWindows::WallpaperWindows() = default;
WallpaperWindows::WallpaperWindows(WallpaperWindows&&) noexcept = default;

WallpaperWindows& WallpaperWindows::operator=(WallpaperWindows&& other) noexcept {
    if (this != &other) {
        release();
        setters = std::move(other.setters);
        preview = std::move(other.preview);
        list = std::move(other.list);
    }
    return *this;
}

WallpaperWindows::~WallpaperWindows() {
    release();
}

void WallpaperWindows::release() noexcept {
    if (preview) {
        preview->setWallpaperList(nullptr);
    }
    list.reset();
    preview.reset();
    setters.reset();
}

WallpaperWindows startWallpaperWindows(TFormTovraDesktop& mainWindow,
                                       const FeatureWindowServices& services,
                                       FeatureWindows& features) {
    WallpaperWindows windows;
    windows.setters = std::make_unique<wallpaper::WallpaperSetterSource>(
        wallpaper::WallpaperServices::from(services.platform));
    windows.preview = std::make_unique<TFormPicView>(PicViewServices{
        services.platform, services.state, services.errors, *windows.setters,
        [&features](QWidget& owner) { features.run(FeatureWindow::About, owner); }});
    windows.list = std::make_unique<TFormPiclist>(
        PiclistServices{services.platform, services.state, services.errors, services.settingsFile,
                        *windows.setters, *windows.preview});
    windows.preview->setWallpaperList(windows.list.get());
    mainWindow.setDockedWindows(windows.list.get(), windows.preview.get());
    return windows;
}

library::LibraryPeers libraryPeers(const WallpaperWindows& windows) {
    TFormPicView* preview = windows.preview.get();
    TFormPiclist* list = windows.list.get();
    return {
        [preview](const std::string& path) { preview->ShowPicture(path); },
        [preview] { return preview->previewShowing(); },
        [preview](QPoint topLeft) { preview->showAt(topLeft); },
        [preview] { preview->close(); },
        [list](const std::string& path) { list->AddToWallpaperList(path); },
    };
}

} // namespace tovra
