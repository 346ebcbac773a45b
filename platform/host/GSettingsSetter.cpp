#include "platform/host/GSettingsSetter.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace tovra::platform::host {

namespace {

std::string_view pictureOption(WallpaperStyle style) {
    return byStyle<std::string_view>(style, "centered", "wallpaper", "stretched");
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

} // namespace

GSettingsSchema gnomeBackground() {
    return {"org.gnome.desktop.background", {"picture-uri", "picture-uri-dark"}, false};
}

GSettingsSchema cinnamonBackground() {
    return {"org.cinnamon.desktop.background", {"picture-uri"}, false};
}

GSettingsSchema mateBackground() {
    return {"org.mate.background", {"picture-filename"}, true};
}

std::string gvariantString(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\\' || c == '\'') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::optional<std::string> GSettingsSetter::apply(const std::string& path, WallpaperStyle style,
                                                  const ToolRunner& tools) {
    const std::string schema(schema_.schema);
    const ToolResult listed = tools.run({"gsettings", "list-keys", schema});
    if (!listed.succeeded()) {
        return describeFailure("gsettings", listed, tools.timeout());
    }
    const auto keys = lines(listed.output);
    const auto has = [&keys](std::string_view key) {
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    };
    const std::string value = gvariantString(schema_.keysHoldPaths ? path : fileUri(path));
    std::vector<std::vector<std::string>> commands{
        {"gsettings", "set", schema, "picture-options", gvariantString(pictureOption(style))}};
    for (const auto key : schema_.pictureKeys) {
        if (has(key)) {
            commands.push_back({"gsettings", "set", schema, std::string(key), value});
        }
    }
    for (const auto& command : commands) {
        if (const ToolResult set = tools.run(command); !set.succeeded()) {
            return describeFailure("gsettings", set, tools.timeout());
        }
    }
    return std::nullopt;
}

} // namespace tovra::platform::host
