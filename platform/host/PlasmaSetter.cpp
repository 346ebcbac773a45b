#include "platform/host/PlasmaSetter.h"

#include <vector>

namespace tovra::platform::host {

namespace {

/// The image wallpaper's FillMode (Qt Quick's Image.fillMode): 6 pad, which
/// centres the picture at its own size, 3 tile, 0 stretch.
int fillMode(WallpaperStyle style) {
    return byStyle(style, 6, 3, 0);
}

} // namespace

std::string plasmaWallpaperScript(const std::string& path, WallpaperStyle style) {
    return "var all = desktops();"
           "for (var i = 0; i < all.length; ++i) {"
           " var d = all[i];"
           " d.wallpaperPlugin = 'org.kde.image';"
           " d.currentConfigGroup = ['Wallpaper', 'org.kde.image', 'General'];"
           " d.writeConfig('Image', '" +
           fileUri(path) +
           "');"
           " d.writeConfig('FillMode', " +
           std::to_string(fillMode(style)) + ");}";
}

std::optional<std::string> PlasmaSetter::apply(const std::string& path, WallpaperStyle style,
                                               const ToolRunner& tools) {
    const ToolResult result = tools.run({"dbus-send", "--session", "--type=method_call",
                                         "--print-reply", "--dest=org.kde.plasmashell",
                                         "/PlasmaShell", "org.kde.PlasmaShell.evaluateScript",
                                         "string:" + plasmaWallpaperScript(path, style)});
    if (!result.succeeded()) {
        return describeFailure("dbus-send", result, tools.timeout());
    }
    return std::nullopt;
}

} // namespace tovra::platform::host
