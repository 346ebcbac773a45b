#include "platform/host/XfceSetter.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace tovra::platform::host {

namespace {

constexpr std::string_view kLastImage = "/last-image";
/// A window manager offers a few dozen workspaces at most: more come from a
/// damaged property, and each would cost two runs of xfconf-query.
constexpr long kMostWorkspaces = 32;

/// xfdesktop's image-style: 1 centred, 2 tiled, 3 stretched.
std::string imageStyle(WallpaperStyle style) {
    return byStyle<std::string>(style, "1", "2", "3");
}

std::vector<std::string> setProperty(const std::string& property, const char* type,
                                     const std::string& value) {
    return {"xfconf-query", "-c", "xfce4-desktop", "-p", property, "-n", "-t", type, "-s", value};
}

/// The background folders (/backdrop/screen0/monitorX/workspaceN) that the
/// channel's listing (xfconf-query -l) holds a last-image in.
std::vector<std::string> storedBackdropFolders(const std::string& listing) {
    std::vector<std::string> folders;
    std::istringstream in(listing);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("/backdrop/") && line.ends_with(kLastImage)) {
            folders.push_back(line.substr(0, line.size() - kLastImage.size()));
        }
    }
    return folders;
}

} // namespace

std::vector<std::string> newBackdropFolders(const XfceScreen& screen) {
    std::vector<std::string> monitors;
    for (const auto& output : screen.outputs) {
        monitors.push_back("monitor" + output);
    }
    monitors.emplace_back("monitor0");
    const long workspaces = std::clamp(screen.workspaces, 1L, kMostWorkspaces);
    std::vector<std::string> folders;
    for (const auto& monitor : monitors) {
        for (long workspace = 0; workspace < workspaces; ++workspace) {
            folders.push_back("/backdrop/screen0/" + monitor + "/workspace" +
                              std::to_string(workspace));
        }
    }
    return folders;
}

std::optional<std::string> XfceSetter::apply(const std::string& path, WallpaperStyle style,
                                             const ToolRunner& tools) {
    const ToolResult listed = tools.run({"xfconf-query", "-c", "xfce4-desktop", "-l"});
    if (!listed.succeeded()) {
        return describeFailure("xfconf-query", listed, tools.timeout());
    }
    auto folders = storedBackdropFolders(listed.output);
    if (folders.empty()) {
        folders = newBackdropFolders(queryXfceScreen());
    }
    for (const auto& folder : folders) {
        for (const auto& command :
             {setProperty(folder + "/image-style", "int", imageStyle(style)),
              setProperty(folder + std::string(kLastImage), "string", path)}) {
            if (const ToolResult set = tools.run(command); !set.succeeded()) {
                return describeFailure("xfconf-query", set, tools.timeout());
            }
        }
    }
    return std::nullopt;
}

} // namespace tovra::platform::host
