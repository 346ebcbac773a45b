#include "platform/emulated/EmulatedPlatform.h"

#include "platform/emulated/AutostartMirror.h"
#include "platform/emulated/DesktopIconList.h"
#include "platform/emulated/EmulatedDesktopWindows.h"
#include "platform/emulated/EmulatedProcesses.h"
#include "platform/emulated/EmulatedProfileFiles.h"
#include "platform/emulated/EmulatedRegistry.h"
#include "platform/emulated/EmulatedScreen.h"
#include "platform/emulated/EmulatedShell.h"
#include "platform/emulated/EmulatedSystemFiles.h"
#include "platform/emulated/SpawnLauncher.h"

#include <utility>

namespace tovra::platform::emulated {

namespace {

class EmulatedPlatform final : public NativePlatform {
public:
    EmulatedPlatform(HostServices host, const StateRoot& root,
                     std::unique_ptr<HostWallpaper> hostWallpaper)
        : host_(host)
        , hostWallpaper_(std::move(hostWallpaper))
        , store_(root.path())
        , registry_(store_)
        , iconList_(profiles_, root)
        , shell_(registry_, root, launcher_, hostWallpaper_.get())
        , files_(root, ScreenSaverSources{.saverProgram = host.screenSaverProgram})
        , processes_(root, launcher_)
        , windows_(host.desktop, iconList_)
        , screen_(host.desktop, profiles_, root, &iconList_) {}

    Platform platform() override {
        return {registry_, profiles_,          shell_,    files_, processes_, windows_,
                screen_,   host_.messageBoxes, host_.tray};
    }

private:
    HostServices host_;
    std::unique_ptr<HostWallpaper> hostWallpaper_;
    SpawnLauncher launcher_;
    EmulatedRegistry store_;
    /// The registry every service uses: the store, with the Run values
    /// mirrored as the real desktop's autostart entries.
    AutostartMirror registry_;
    EmulatedProfileFiles profiles_;
    DesktopIconList iconList_;
    EmulatedShell shell_;
    EmulatedSystemFiles files_;
    EmulatedProcesses processes_;
    EmulatedDesktopWindows windows_;
    EmulatedScreen screen_;
};

} // namespace

std::unique_ptr<NativePlatform>
createEmulatedPlatform(HostServices host, StateRoot root,
                       std::unique_ptr<HostWallpaper> hostWallpaper) {
    // Before anything is read or written there: the registry and the
    // converted pictures must not be open to other users.
    root.makePrivate();
    return std::make_unique<EmulatedPlatform>(host, root, std::move(hostWallpaper));
}

} // namespace tovra::platform::emulated
