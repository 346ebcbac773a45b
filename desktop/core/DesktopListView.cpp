#include "desktop/core/DesktopListView.h"

#include "settings/SettingsIndex.h"

#include <string>

namespace tovra::desktop {

namespace {

/// GetClassNameA's buffer size as the icon list is tested with.
constexpr int kClassNameBuffer = 39;

std::intptr_t colorParameter(std::uint32_t color) {
    // As the list-view macros pass a COLORREF: zero-extended.
    return static_cast<std::intptr_t>(static_cast<std::uintptr_t>(color));
}

} // namespace

platform::Hwnd FindDesktopListView(platform::DesktopWindows& windows,
                                   platform::MessageBoxes& messageBoxes, platform::Hwnd owner) {
    platform::Hwnd listView = windows.findWindow("ProgMan", std::nullopt);
    listView = windows.getWindow(listView, platform::kGwChild);
    listView = windows.getWindow(listView, platform::kGwChild);
    if (windows.getClassName(listView, kClassNameBuffer) != kListViewClass) {
        messageBoxes.messageBox(owner, std::string(kUnsupportedNotice),
                                std::string(settings::kSectionPrefix), platform::kMbOk);
    }
    return listView;
}

void colorDesktopCaptions(platform::DesktopWindows& windows, platform::Hwnd listView,
                          std::uint32_t foreground, std::uint32_t background, bool transparent) {
    windows.sendMessage(listView, platform::kLvmSetTextColor, 0, colorParameter(foreground));
    windows.sendMessage(listView, platform::kLvmSetTextBkColor, 0,
                        colorParameter(transparent ? platform::kClrNone : background));
    const auto count = windows.sendMessage(listView, platform::kLvmGetItemCount, 0, 0);
    windows.sendMessage(listView, platform::kLvmRedrawItems, 0, count - 1);
}

} // namespace tovra::desktop
