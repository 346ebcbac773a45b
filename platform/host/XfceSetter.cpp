#include "platform/host/XfceSetter.h"

#include <sstream>
#include <vector>

namespace tovra::platform::host {

namespace {

constexpr std::string_view kLastImage = "/last-image";

/// xfdesktop's image-style: 1 centred, 2 tiled, 3 stretched.
std::string imageStyle(WallpaperStyle style) {
    return byStyle<std::string>(style, "1", "2", "3");
}

/// The folders (/backdrop/screen0/monitorX/workspaceN) that hold a last-image.
std::vector<std::string> backdropFolders(const std::string& listing) {
    std::vector<std::string> folders;
    std::istringstream in(listing);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("/backdrop/") && line.ends_with(kLastImage)) {
            folders.push_back(line.substr(0, line.size() - kLastImage.size()));
        }
    }
    if (folders.empty()) {
        folders.emplace_back("/backdrop/screen0/monitor0/workspace0");
    }
    return folders;
}

std::vector<std::string> setProperty(const std::string& property, const char* type,
                                     const std::string& value) {
    return {"xfconf-query", "-c", "xfce4-desktop", "-p", property, "-n", "-t", type, "-s", value};
}

} // namespace

std::optional<std::string> XfceSetter::apply(const std::string& path, WallpaperStyle style,
                                             const ToolRunner& tools) {
    const ToolResult listed = tools.run({"xfconf-query", "-c", "xfce4-desktop", "-l"});
    if (!listed.succeeded()) {
        return describeFailure("xfconf-query", listed, tools.timeout());
    }
    for (const auto& folder : backdropFolders(listed.output)) {
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
