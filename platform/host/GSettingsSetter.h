#pragma once

// GNOME and the desktops that share its settings system (Cinnamon, MATE):
// the background schema's picture and picture-options keys, through Debian's
// gsettings, which reaches whatever backend the session uses (dconf, or a
// keyfile).

#include "platform/host/DesktopSetter.h"

#include <string_view>
#include <vector>

namespace tovra::platform::host {

struct GSettingsSchema {
    std::string_view schema;
    /// The keys that name the picture; a key the installed schema lacks (an
    /// older GNOME has no picture-uri-dark) is left out.
    std::vector<std::string_view> pictureKeys;
    /// Whether those keys hold a path (MATE) rather than a file URI.
    bool keysHoldPaths = false;
};

[[nodiscard]] GSettingsSchema gnomeBackground();
[[nodiscard]] GSettingsSchema cinnamonBackground();
[[nodiscard]] GSettingsSchema mateBackground();

class GSettingsSetter final : public DesktopSetter {
public:
    explicit GSettingsSetter(GSettingsSchema schema)
        : schema_(std::move(schema)) {}

    /// Lists the schema's keys, then sets picture-options and the picture keys.
    [[nodiscard]] std::optional<std::string> apply(const std::string& path, WallpaperStyle style,
                                                   const ToolRunner& tools) override;

private:
    GSettingsSchema schema_;
};

/// text as a GVariant string literal: in single quotes, with backslash,
/// quote and control characters escaped.
[[nodiscard]] std::string gvariantString(std::string_view text);

} // namespace tovra::platform::host
