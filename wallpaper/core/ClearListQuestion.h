#pragma once

// The question the wallpaper list window asks before it clears the whole list.

#include "platform/MessageBoxes.h"

#include <string_view>

namespace tovra::wallpaper {

inline constexpr std::string_view kClearListQuestion = "是否真的清除列表中的所有图片吗？";
inline constexpr std::string_view kWarningCaption = "警告信息";

/// Asks, owned by owner, with Yes, No and Cancel and the information icon;
/// true only on Yes.
[[nodiscard]] bool confirmClearingList(platform::MessageBoxes& messageBoxes, platform::Hwnd owner);

} // namespace tovra::wallpaper
