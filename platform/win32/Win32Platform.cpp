#include "platform/win32/Win32Platform.h"

#include "platform/win32/Win32DesktopWindows.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32ProfileFiles.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemFiles.h"

namespace tovra::platform::win32 {

namespace {

class Win32Platform final : public NativePlatform {
public:
    explicit Win32Platform(TrayIcon& tray)
        : tray_(tray) {}

    Platform platform() override {
        return {registry_, profiles_, shell_,        files_, processes_,
                windows_,  screen_,   messageBoxes_, tray_};
    }

private:
    TrayIcon& tray_;
    Win32Registry registry_;
    Win32ProfileFiles profiles_;
    Win32Shell shell_;
    Win32SystemFiles files_;
    Win32Processes processes_;
    Win32DesktopWindows windows_;
    Win32Screen screen_;
    Win32MessageBoxes messageBoxes_;
};

} // namespace

std::unique_ptr<NativePlatform> createWin32Platform(TrayIcon& tray) {
    return std::make_unique<Win32Platform>(tray);
}

} // namespace tovra::platform::win32

namespace tovra::platform {

std::unique_ptr<NativePlatform> createNativePlatform(HostServices host) {
    // The host's desktop and message boxes stand in for Windows elsewhere;
    // here Windows answers those calls itself.
    return win32::createWin32Platform(host.tray);
}

} // namespace tovra::platform
