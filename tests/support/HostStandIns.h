#pragma once

// Stand-ins for the platform calls a test must answer or observe, shared by
// every suite: message boxes answered from a script that record what they
// were asked, a tray that records its calls and sends the icon's callback,
// a shell that records what it was asked to open, and system files that can
// refuse the temporary folder.

#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/SystemFiles.h"
#include "platform/TrayIcon.h"

#include <deque>
#include <string>
#include <vector>

namespace tovra::test {

class ScriptedMessageBoxes final : public platform::MessageBoxes {
public:
    struct Call {
        platform::Hwnd owner;
        std::string text;
        std::string caption;
        unsigned type;
    };

    ScriptedMessageBoxes() = default;
    /// Answers every box that the script does not answer with this button.
    explicit ScriptedMessageBoxes(int unscriptedAnswer)
        : unscripted(unscriptedAnswer) {}

    int messageBox(platform::Hwnd owner, const std::string& text, const std::string& caption,
                   unsigned type) override;

    /// Answers given in order; a box asked with none left gets `unscripted`.
    std::deque<int> answers;
    int unscripted = platform::kIdCancel;
    std::vector<Call> calls;
};

/// A notification area that is there or not (`available`, which a test may
/// change to make a panel come or go); it takes an icon only while it is there.
class RecordingTray final : public platform::TrayIcon {
public:
    struct Call {
        std::uint32_t message;
        platform::NotifyIconData data;
    };

    RecordingTray() = default;
    explicit RecordingTray(bool isThere)
        : available(isThere) {}

    [[nodiscard]] bool isAvailable() const override { return available; }
    bool notifyIcon(std::uint32_t message, const platform::NotifyIconData& data) override;

    /// Sends the icon's callback as the notification area would; false when
    /// no icon is shown.
    bool click(std::intptr_t mouseMessage) const;
    /// Whether an icon is shown now: added and not deleted since.
    [[nodiscard]] bool iconShown() const;

    bool available = true;
    std::vector<Call> calls;
};

/// Records what it is asked to open instead of opening it; the other shell
/// calls go on to `inner` (the emulated shell, say) where there is one.
class RecordingShell final : public platform::Shell {
public:
    explicit RecordingShell(platform::Shell* innerShell = nullptr)
        : inner(innerShell) {}

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

    platform::Shell* inner;
    std::vector<Call> calls;
};

/// The system files of `inner` (the emulated ones, say), except that
/// GetTempPathA fails while refuseTempPath is set: a user whose temporary
/// folder cannot be had.
class RefusableSystemFiles final : public platform::SystemFiles {
public:
    explicit RefusableSystemFiles(platform::SystemFiles* innerFiles = nullptr)
        : inner(innerFiles) {}

    std::string tempPath() override;
    bool setFileAttributes(const std::string& path, std::uint32_t attributes) override {
        return inner->setFileAttributes(path, attributes);
    }
    std::string systemDirectory() override { return inner->systemDirectory(); }
    bool replaceFile(const std::string& path, std::string_view bytes) override {
        return inner->replaceFile(path, bytes);
    }

    platform::SystemFiles* inner;
    bool refuseTempPath = false;
};

} // namespace tovra::test
