#include "platform/host/SwaybgSetter.h"

namespace tovra::platform::host {

std::string_view swaybgMode(WallpaperStyle style) {
    return byStyle<std::string_view>(style, "center", "tile", "stretch");
}

std::optional<std::string> SwaybgSetter::apply(const std::string& path, WallpaperStyle style,
                                               const ToolRunner& tools) {
    RunningTool started;
    const ToolResult result = tools.start(
        {"swaybg", "-o", "*", "-i", path, "-m", std::string(swaybgMode(style))}, settle_, started);
    if (result.outcome == ToolResult::Outcome::Running) {
        current_ = std::move(started); // the one before is stopped here
        return std::nullopt;
    }
    if (result.outcome == ToolResult::Outcome::Finished && result.exitCode == 0 &&
        result.errors.empty()) {
        return std::string("swaybg ended at once");
    }
    return describeFailure("swaybg", result, tools.timeout());
}

} // namespace tovra::platform::host
