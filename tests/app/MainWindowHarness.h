#pragma once

// The main window on the emulated platform in a private folder, with the
// platform calls a test must observe or answer replaced: message boxes answer
// from a script and record what they were asked, the tray icon records its
// calls and lets the test send its callback, the shell records what it was
// asked to open.

#include "app/Unit_TovraDesktop.h"
#include "app/core/ErrorRoute.h"
#include "app/core/ProgramState.h"
#include "platform/NativePlatform.h"
#include "tests/platform/EmulatedFakes.h"
#include "tests/support/TempDir.h"
#include "toolkit/QtHostDesktop.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace tovra::test {

class ScriptedMessageBoxes : public platform::MessageBoxes {
public:
    struct Call {
        platform::Hwnd owner;
        std::string text;
        std::string caption;
        unsigned type;
    };
    int messageBox(platform::Hwnd owner, const std::string& text, const std::string& caption,
                   unsigned type) override;

    /// Answers given in order; a box asked with none left answers Cancel.
    std::deque<int> answers;
    std::vector<Call> calls;
};

class RecordingTray : public platform::TrayIcon {
public:
    struct Call {
        std::uint32_t message;
        platform::NotifyIconData data;
    };
    [[nodiscard]] bool isAvailable() const override { return available; }
    bool notifyIcon(std::uint32_t message, const platform::NotifyIconData& data) override;

    /// Sends the icon's callback as the notification area would; false when
    /// no icon was added.
    bool click(std::intptr_t mouseMessage) const;

    bool available = true;
    std::vector<Call> calls;
};

class RecordingShell : public platform::Shell {
public:
    struct Call {
        platform::Hwnd owner;
        std::string operation;
        std::string file;
        std::string parameters;
        std::string directory;
        int showCommand;
    };
    std::intptr_t shellExecute(platform::Hwnd owner, const std::string& operation,
                               const std::string& file, const std::string& parameters,
                               const std::string& directory, int showCommand) override;
    void addToRecentDocs(unsigned flags, const std::optional<std::string>& path) override;
    bool setDeskWallpaper(const std::string& path, unsigned winIniFlags) override;

    std::vector<Call> calls;
};

class MainWindowHarness {
public:
    MainWindowHarness();
    ~MainWindowHarness();
    MainWindowHarness(const MainWindowHarness&) = delete;
    MainWindowHarness& operator=(const MainWindowHarness&) = delete;

    /// Creates the main window and runs the start-up steps, as main() does.
    TFormTovraDesktop& start();

    TempDir temp;
    /// Points XDG_CONFIG_HOME into temp, so that the Run value's autostart
    /// entry lands there and never among the user's own.
    platform::emulated::test::ScopedEnvironment environment;
    toolkit::QtHostDesktop desktop;
    ScriptedMessageBoxes boxes;
    RecordingTray tray;
    RecordingShell shell;
    std::unique_ptr<platform::NativePlatform> native;
    std::unique_ptr<platform::Platform> platform;
    ProgramState state;
    ErrorRoute errors;
    std::string settingsFile;
    std::string executablePath;
    int passwordPrompts = 0;
    std::unique_ptr<TFormTovraDesktop> window;
};

} // namespace tovra::test
