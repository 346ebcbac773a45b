#pragma once

// Stand-ins for the parts of the platform that the host program supplies,
// for tests that assemble a platform without windows.

#include "platform/MessageBoxes.h"
#include "platform/TrayIcon.h"

namespace tovra::test {

/// Answers every message box with one button.
class FixedAnswerMessageBoxes final : public platform::MessageBoxes {
public:
    explicit FixedAnswerMessageBoxes(int answer)
        : answer_(answer) {}
    int messageBox(platform::Hwnd, const std::string&, const std::string&, unsigned) override {
        return answer_;
    }

private:
    int answer_;
};

/// A tray that is there, taking every icon, or not there, taking none.
class StandInTray final : public platform::TrayIcon {
public:
    explicit StandInTray(bool available)
        : available_(available) {}
    [[nodiscard]] bool isAvailable() const override { return available_; }
    bool notifyIcon(std::uint32_t, const platform::NotifyIconData&) override { return available_; }

private:
    bool available_;
};

} // namespace tovra::test
