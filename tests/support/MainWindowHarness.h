#pragma once

// The program's windows on the emulated platform in a private folder, as
// main() assembles them, with the platform calls a test must observe or
// answer replaced by the stand-ins of HostStandIns.h: message boxes answer
// from a script and record what they were asked, the tray icon records its
// calls and lets the test send its callback, the shell records what it was
// asked to open, the system files can refuse the temporary folder. The
// feature windows come from the program's own factory, through a seam that
// records which were asked for.
//
// A window test makes a harness, starts the main window (start()) or creates
// its own window with the harness's services (featureServices()), and drives
// modal windows with ModalDriver (ModalDialogs.h).

#include "app/FeatureWindowFactory.h"
#include "app/ShellWindowServices.h"
#include "app/Startup.h"
#include "app/Unit_TovraDesktop.h"
#include "platform/NativePlatform.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/FeatureWindowDoubles.h"
#include "tests/support/HostStandIns.h"
#include "tests/support/TempDir.h"
#include "toolkit/QtHostDesktop.h"
#include "toolkit/core/ErrorRoute.h"
#include "wallpaper/core/ProgramState.h"

#include <functional>
#include <memory>
#include <string>

namespace tovra::test {

class MainWindowHarness {
public:
    MainWindowHarness();
    ~MainWindowHarness();
    MainWindowHarness(const MainWindowHarness&) = delete;
    MainWindowHarness& operator=(const MainWindowHarness&) = delete;

    /// Creates the main window, then the picture preview and the wallpaper
    /// list (wallpaper), and runs the start-up steps, as main() does.
    TFormTovraDesktop& start();
    /// What the feature windows work with, as main() gives it to them.
    [[nodiscard]] FeatureWindowServices featureServices();
    /// What the prompt, the protection and the About windows work with.
    [[nodiscard]] ShellWindowServices shellServices();
    /// The main window's hook runs the program's own password prompt instead
    /// of counting.
    void usePasswordPrompt();

    TempDir temp;
    /// Points XDG_CONFIG_HOME into temp, so that the Run value's autostart
    /// entry lands there and never among the user's own.
    platform::emulated::test::ScopedEnvironment environment;
    toolkit::QtHostDesktop desktop;
    ScriptedMessageBoxes boxes;
    RecordingTray tray;
    RecordingShell shell;
    RefusableSystemFiles files;
    std::unique_ptr<platform::NativePlatform> native;
    std::unique_ptr<platform::Platform> platform;
    ProgramState state;
    ErrorRoute errors;
    std::string settingsFile;
    std::string executablePath;
    std::unique_ptr<FeatureWindowFactory> featureWindows;
    std::unique_ptr<RecordingFeatureWindows> features;
    /// The main window's password hook. By default it counts and lets the
    /// user in.
    std::function<bool(QWidget& owner)> passwordPrompt;
    int passwordPrompts = 0;
    std::unique_ptr<TFormTovraDesktop> window;
    /// What start() got from startMainWindow: false when the prompt ended the program.
    bool running = false;
    WallpaperWindows wallpaper;
};

} // namespace tovra::test
