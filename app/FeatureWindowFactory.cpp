#include "app/FeatureWindowFactory.h"

#include "app/Unit_Protect.h"
#include "app/Unit_abort.h"
#include "desktop/Unit_StartMenu.h"
#include "desktop/Unit_screen.h"
#include "desktop/Unit_tubiao.h"
#include "painting/Unit_huihua.h"
#include "library/Unit_PicManger.h"
#include "wallpaper/Unit_DesktpoPic.h"

#include <utility>

#include <QDialog>
#include <QWidget>

namespace tovra {

// Each window the program has is listed here, with how it is created. A
// feature whose window is not listed has none: its button does nothing.
FeatureWindowFactory::FeatureWindowFactory(FeatureWindowServices services)
    : services_(std::move(services)) {
    creators_[FeatureWindow::RotationSettings] = [this](QWidget& owner) -> QDialog* {
        return new TFormDesktpoPic(&owner,
                                   {services_.errors, services_.platform.profiles, services_.state,
                                    services_.settingsFile, owner.windowTitle().toStdString()});
    };
    const auto desktopServices = [this] {
        return desktop::DesktopWindowServices{services_.platform, services_.errors,
                                              services_.settingsFile};
    };
    creators_[FeatureWindow::StartMenu] = [desktopServices](QWidget& owner) -> QDialog* {
        return new desktop::TFormStartMenu(&owner, desktopServices());
    };
    creators_[FeatureWindow::DesktopIcons] = [desktopServices](QWidget& owner) -> QDialog* {
        return new desktop::TFormtubiao(&owner, desktopServices());
    };
    creators_[FeatureWindow::ScreenSaver] = [desktopServices](QWidget& owner) -> QDialog* {
        return new desktop::TFormscreen(&owner, desktopServices());
    };
    creators_[FeatureWindow::Painting] = [this](QWidget& owner) -> QDialog* {
        return new painting::TFormhuihua(
            &owner, {services_.platform.screen, services_.errors, painting::grabPrimaryScreen});
    };
    creators_[FeatureWindow::Protection] = [this](QWidget& owner) -> QDialog* {
        return new TFormProtect(&owner, {services_.platform, services_.errors});
    };
    creators_[FeatureWindow::About] = [this](QWidget& owner) -> QDialog* {
        return new TFormabort(&owner, {services_.platform, services_.errors});
    };
    creators_[FeatureWindow::Library] = [this](QWidget& owner) -> QDialog* {
        return new library::TFormPicManger(
            &owner, {services_.platform, services_.errors, services_.settingsFile,
                     owner.windowTitle().toStdString(), libraryPeers_});
    };
}

bool FeatureWindowFactory::has(FeatureWindow feature) const {
    return creators_.contains(feature);
}

void FeatureWindowFactory::run(FeatureWindow feature, QWidget& owner) {
    const auto creator = creators_.find(feature);
    if (creator == creators_.end()) {
        return;
    }
    // Owned by its owner, which deletes it with itself; until then it stays,
    // hidden, and the next opening creates another.
    QDialog* window = creator->second(owner);
    window->exec();
}

} // namespace tovra
