#pragma once

// The backend this build was made for: win32/ on Windows, emulated/ elsewhere.
// app/ creates it once and hands its Platform down.

#include "platform/Platform.h"

#include <memory>
#include <string>

namespace tovra::platform {

/// What only the windowing toolkit knows of the real desktop. The emulated
/// backend answers the screen and mouse calls from it.
class HostDesktop {
public:
    virtual ~HostDesktop() = default;
    /// The primary screen, in desktop coordinates.
    [[nodiscard]] virtual Rect screenGeometry() const = 0;
    /// The primary screen without the panels (taskbars) that the desktop reserves.
    [[nodiscard]] virtual Rect availableGeometry() const = 0;
    /// Whether the left mouse button is down now.
    [[nodiscard]] virtual bool leftButtonDown() const = 0;
};

/// The services that app/ supplies from the windowing toolkit.
struct HostServices {
    HostDesktop& desktop;
    MessageBoxes& messageBoxes;
    TrayIcon& tray;
    /// The project's screen-saver program, which the emulated system folder
    /// offers beside the real desktop's screen savers; empty for none.
    std::string screenSaverProgram{};
};

class NativePlatform {
public:
    virtual ~NativePlatform() = default;
    [[nodiscard]] virtual Platform platform() = 0;
};

/// Creates this build's backend. The host services must outlive it.
std::unique_ptr<NativePlatform> createNativePlatform(HostServices host);

} // namespace tovra::platform
