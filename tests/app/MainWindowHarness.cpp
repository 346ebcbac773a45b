#include "tests/app/MainWindowHarness.h"

#include "app/Startup.h"
#include "platform/emulated/EmulatedPlatform.h"

#include <QCoreApplication>

namespace tovra::test {

int ScriptedMessageBoxes::messageBox(platform::Hwnd owner, const std::string& text,
                                     const std::string& caption, unsigned type) {
    calls.push_back({owner, text, caption, type});
    if (answers.empty()) {
        return platform::kIdCancel;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

bool RecordingTray::notifyIcon(std::uint32_t message, const platform::NotifyIconData& data) {
    calls.push_back({message, data});
    return true;
}

bool RecordingTray::click(std::intptr_t mouseMessage) const {
    for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
        if (call->message == platform::kNimDelete) {
            return false;
        }
        if (call->message == platform::kNimAdd && call->data.callback) {
            call->data.callback(call->data.uCallbackMessage, mouseMessage);
            return true;
        }
    }
    return false;
}

std::intptr_t RecordingShell::shellExecute(platform::Hwnd owner, const std::string& operation,
                                           const std::string& file, const std::string& parameters,
                                           const std::string& directory, int showCommand) {
    calls.push_back({owner, operation, file, parameters, directory, showCommand});
    return 42;
}

void RecordingShell::addToRecentDocs(unsigned /*flags*/,
                                     const std::optional<std::string>& /*path*/) {}

bool RecordingShell::setDeskWallpaper(const std::string& /*path*/, unsigned /*winIniFlags*/) {
    return false;
}

MainWindowHarness::MainWindowHarness()
    : native(platform::emulated::createEmulatedPlatform(
          {desktop, boxes, tray}, platform::emulated::StateRoot(temp.path() / "state")))
    , errors(boxes, "TovraDesktop")
    , settingsFile(temp.file("TovraDesktop.ini"))
    , executablePath(QCoreApplication::applicationFilePath().toStdString()) {
    environment.set("XDG_CONFIG_HOME", (temp.path() / "config").string());
    const platform::Platform emulated = native->platform();
    platform = std::make_unique<platform::Platform>(
        platform::Platform{emulated.registry, emulated.profiles, shell, emulated.files,
                           emulated.processes, emulated.windows, emulated.screen, boxes, tray});
}

MainWindowHarness::~MainWindowHarness() = default;

TFormTovraDesktop& MainWindowHarness::start() {
    window = std::make_unique<TFormTovraDesktop>(MainWindowServices{
        *platform, state, errors, settingsFile, executablePath, [this] { ++passwordPrompts; }});
    startMainWindow(*window, errors);
    return *window;
}

} // namespace tovra::test
