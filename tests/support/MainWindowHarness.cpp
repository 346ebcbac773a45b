#include "tests/support/MainWindowHarness.h"

#include "platform/emulated/EmulatedPlatform.h"
#include "wallpaper/Unit_PicView.h"
#include "wallpaper/Unit_Piclist.h"

#include <QCoreApplication>

namespace tovra::test {

MainWindowHarness::MainWindowHarness()
    : native(platform::emulated::createEmulatedPlatform(
          {desktop, boxes, tray}, platform::emulated::StateRoot(temp.path() / "state")))
    , errors(boxes, "TovraDesktop")
    , settingsFile(temp.file("TovraDesktop.ini"))
    , executablePath(QCoreApplication::applicationFilePath().toStdString()) {
    environment.set("XDG_CONFIG_HOME", (temp.path() / "config").string());
    const platform::Platform emulated = native->platform();
    shell.inner = &emulated.shell;
    platform = std::make_unique<platform::Platform>(
        platform::Platform{emulated.registry, emulated.profiles, shell, emulated.files,
                           emulated.processes, emulated.windows, emulated.screen, boxes, tray});
}

FeatureWindowServices MainWindowHarness::featureServices() {
    return {*platform, state, errors, settingsFile};
}

MainWindowHarness::~MainWindowHarness() = default;

TFormTovraDesktop& MainWindowHarness::start() {
    featureWindows = std::make_unique<FeatureWindowFactory>(featureServices());
    features = std::make_unique<RecordingFeatureWindows>(*featureWindows);
    window = std::make_unique<TFormTovraDesktop>(
        MainWindowServices{*platform, state, errors, *features, settingsFile, executablePath,
                           [this] { ++passwordPrompts; }});
    startMainWindow(*window, errors);
    wallpaper = startWallpaperWindows(*window, featureServices(), *features);
    return *window;
}

} // namespace tovra::test
