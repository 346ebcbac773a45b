#include "platform/host/HostWallpaperFactory.h"

#include "platform/HelperProgram.h"
#include "platform/host/GSettingsSetter.h"
#include "platform/host/PlasmaSetter.h"
#include "platform/host/RootWindowSetter.h"
#include "platform/host/SwaySetter.h"
#include "platform/host/SwaybgSetter.h"
#include "platform/host/XfceSetter.h"

namespace tovra::platform::host {

namespace {

constexpr std::string_view kRootHelperName = "tovra-setroot";

} // namespace

std::unique_ptr<DesktopSetter> desktopSetter(DesktopKind kind,
                                             const std::filesystem::path& rootHelper) {
    switch (kind) {
    case DesktopKind::Gnome:
        return std::make_unique<GSettingsSetter>(gnomeBackground());
    case DesktopKind::Cinnamon:
        return std::make_unique<GSettingsSetter>(cinnamonBackground());
    case DesktopKind::Mate:
        return std::make_unique<GSettingsSetter>(mateBackground());
    case DesktopKind::Xfce:
        return std::make_unique<XfceSetter>();
    case DesktopKind::Plasma:
        return std::make_unique<PlasmaSetter>();
    case DesktopKind::X11Root:
        return std::make_unique<RootWindowSetter>(rootHelper);
    case DesktopKind::Sway:
        return std::make_unique<SwaySetter>();
    case DesktopKind::Wlroots:
        return std::make_unique<SwaybgSetter>();
    case DesktopKind::None:
        break;
    }
    return nullptr;
}

std::unique_ptr<HostWallpaperService> createHostWallpaper(const SessionFacts& facts,
                                                          const std::filesystem::path& rootHelper,
                                                          std::ostream& errors, ToolRunner tools) {
    const DesktopKind kind = detectDesktop(facts);
    return std::make_unique<HostWallpaperService>(desktopSetter(kind, rootHelper),
                                                  std::string(desktopName(kind)), errors, tools);
}

std::filesystem::path rootHelperFor(const std::filesystem::path& executable) {
    return helperProgramFor(executable, kRootHelperName);
}

} // namespace tovra::platform::host
