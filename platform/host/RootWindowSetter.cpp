#include "platform/host/RootWindowSetter.h"

#include "platform/host/setroot/StyleNames.h"

namespace tovra::platform::host {

std::optional<std::string> RootWindowSetter::apply(const std::string& path, WallpaperStyle style,
                                                   const ToolRunner& tools) {
    const ToolResult result =
        tools.run({helper_.string(), std::string(setroot::styleArgument(style)), path});
    if (!result.succeeded()) {
        return describeFailure(helper_.filename().string(), result, tools.timeout());
    }
    return std::nullopt;
}

} // namespace tovra::platform::host
