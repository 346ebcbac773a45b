#include "app/core/FeatureHints.h"

#include <array>

namespace tovra::mainwindow {

namespace {

constexpr std::array<std::string_view, kFeatureButtonCount> kFeatureHints = {
    "桌面墙纸", "开始菜单", "桌面图标", "屏幕保护", "桌面绘画",
    "保护设置", "壁纸管理", "图片预览", "显示列表"};

} // namespace

std::optional<std::string_view> featureHint(std::size_t n) {
    if (n < 1 || n > kFeatureHints.size()) {
        return std::nullopt;
    }
    return kFeatureHints[n - 1];
}

} // namespace tovra::mainwindow
