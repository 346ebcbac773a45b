// The program's main routine: the start-up sequence.

#include "app/ApplicationIcon.h"
#include "app/FeatureWindowFactory.h"
#include "app/HelperPrograms.h"
#include "app/Startup.h"
#include "app/TovraApplication.h"
#include "app/Unit_TovraDesktop.h"
#include "app/Unit_code.h"
#include "app/Unit_logo.h"
#include "app/core/QtPlatformChoice.h"
#include "platform/NativePlatform.h"
#include "settings/SettingsIndex.h"
#include "settings/SettingsLocation.h"
#include "toolkit/FontSetup.h"
#include "toolkit/QtHostDesktop.h"
#include "toolkit/QtMessageBoxes.h"
#include "toolkit/QtTrayIcon.h"
#include "toolkit/core/ErrorRoute.h"
#include "wallpaper/core/ProgramState.h"

#include <exception>
#include <memory>
#include <string>

#include <QByteArray>
#include <QIcon>

int main(int argc, char** argv) {
    // Before the application exists: Qt picks its platform when it is created.
    if (const auto platform = tovra::mainwindow::qtPlatformFor(
            tovra::mainwindow::currentQtPlatformFacts(argc, argv))) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
    }
    tovra::TovraApplication app(argc, argv);
    tovra::TovraApplication::setQuitOnLastWindowClosed(false);
    tovra::TovraApplication::setApplicationName(
        QString::fromUtf8(tovra::settings::kSectionPrefix.data(),
                          static_cast<qsizetype>(tovra::settings::kSectionPrefix.size())));
    tovra::toolkit::setUpFonts();
    const QIcon icon = tovra::applicationIcon();
    tovra::TovraApplication::setWindowIcon(icon);

    // The splash comes first; start-up goes on once it has closed. It stays,
    // hidden, until the end.
    tovra::TFormlogo splash;
    splash.exec();

    tovra::toolkit::QtHostDesktop desktop;
    tovra::toolkit::QtMessageBoxes messageBoxes;
    tovra::toolkit::QtTrayIcon tray(icon);
    std::unique_ptr<tovra::platform::NativePlatform> native;
    try {
        native = tovra::platform::createNativePlatform(
            {desktop, messageBoxes, tray, tovra::ownScreenSaverProgram()});
    } catch (const std::exception& error) {
        // Without a platform (no home folder for the emulated Windows) there
        // is nothing to work on: say why, and end.
        messageBoxes.messageBox(0, error.what(), "TovraDesktop",
                                tovra::platform::kMbOk | tovra::platform::kMbIconError);
        return 1;
    }
    tovra::platform::Platform platform = native->platform();

    // Until the picture preview window exists, an error that ends a handler
    // is shown in a message box.
    tovra::ErrorRoute errors(messageBoxes, "TovraDesktop");
    app.setErrorSink([&errors](const std::string& text) { errors.report(text); });

    tovra::ProgramState state;
    const std::string executable = tovra::TovraApplication::applicationFilePath().toStdString();
    const std::string settingsFile = tovra::settings::locateSettingsIni(executable);
    tovra::FeatureWindowFactory features({platform, state, errors, settingsFile});
    const tovra::ShellWindowServices shellWindows{platform, errors};
    tovra::TFormTovraDesktop mainWindow(
        {platform, state, errors, features, settingsFile, executable,
         [shellWindows](QWidget& owner) { return tovra::runPasswordPrompt(owner, shellWindows); }});
    QObject::connect(&mainWindow, &tovra::TFormTovraDesktop::closed, &app, &QCoreApplication::quit);
    if (!tovra::startMainWindow(mainWindow, errors)) {
        return 0; // the password was not given
    }
    // From the preview's creation on, failures are discarded without a
    // message.
    const tovra::WallpaperWindows wallpaperWindows =
        tovra::startWallpaperWindows(mainWindow, {platform, state, errors, settingsFile}, features);
    // The library window shows pictures in the preview and adds them to the list.
    features.setLibraryPeers(tovra::libraryPeers(wallpaperWindows));
    return tovra::TovraApplication::exec();
}
