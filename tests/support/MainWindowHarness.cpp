#include "tests/support/MainWindowHarness.h"

#include "app/Startup.h"
#include "app/Unit_code.h"
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
    files.inner = &emulated.files;
    platform = std::make_unique<platform::Platform>(
        platform::Platform{emulated.registry, emulated.profiles, shell, files, emulated.processes,
                           emulated.windows, emulated.screen, boxes, tray});
    passwordPrompt = [this](QWidget& /*owner*/) {
        ++passwordPrompts;
        return true;
    };
}

ShellWindowServices MainWindowHarness::shellServices() {
    return {*platform, errors};
}

void MainWindowHarness::usePasswordPrompt() {
    passwordPrompt = [this](QWidget& owner) { return runPasswordPrompt(owner, shellServices()); };
}

FeatureWindowServices MainWindowHarness::featureServices() {
    return {*platform, state, errors, settingsFile};
}

MainWindowHarness::~MainWindowHarness() = default;

TFormTovraDesktop& MainWindowHarness::start() {
    featureWindows = std::make_unique<FeatureWindowFactory>(featureServices());
    features = std::make_unique<RecordingFeatureWindows>(*featureWindows);
    // Every exit runs the About window, which would stay up for seconds:
    // a test that wants it forwards it.
    features->held = {FeatureWindow::About};
    window = std::make_unique<TFormTovraDesktop>(
        MainWindowServices{*platform, state, errors, *features, settingsFile, executablePath,
                           [this](QWidget& owner) { return passwordPrompt(owner); }});
    running = startMainWindow(*window, errors);
    if (running) {
        wallpaper = startWallpaperWindows(*window, featureServices(), *features);
        featureWindows->setLibraryPeers(libraryPeers(wallpaper));
    }
    return *window;
}

} // namespace tovra::test
