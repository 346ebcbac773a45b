#include "tests/support/HostStandIns.h"

#include "platform/Error.h"

namespace tovra::test {

int ScriptedMessageBoxes::messageBox(platform::Hwnd owner, const std::string& text,
                                     const std::string& caption, unsigned type) {
    calls.push_back({owner, text, caption, type});
    if (answers.empty()) {
        return unscripted;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

bool RecordingTray::notifyIcon(std::uint32_t message, const platform::NotifyIconData& data) {
    calls.push_back({message, data});
    return available;
}

bool RecordingTray::iconShown() const {
    for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
        if (call->message == platform::kNimDelete) {
            return false;
        }
        if (call->message == platform::kNimAdd) {
            return true;
        }
    }
    return false;
}

bool RecordingTray::click(std::intptr_t mouseMessage) const {
    if (!iconShown()) {
        return false;
    }
    for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
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

void RecordingShell::addToRecentDocs(unsigned flags, const std::optional<std::string>& path) {
    if (inner != nullptr) {
        inner->addToRecentDocs(flags, path);
    }
}

bool RecordingShell::setDeskWallpaper(const std::string& path, unsigned winIniFlags) {
    return inner != nullptr && inner->setDeskWallpaper(path, winIniFlags);
}

std::string RefusableSystemFiles::tempPath() {
    if (refuseTempPath) {
        throw Error("No temporary folder");
    }
    return inner->tempPath();
}

} // namespace tovra::test
