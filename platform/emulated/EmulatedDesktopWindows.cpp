#include "platform/emulated/EmulatedDesktopWindows.h"

#include "platform/Shell.h"
#include "platform/TextCase.h"
#include "platform/emulated/PanelStrip.h"

#include <array>
#include <string_view>

namespace tovra::platform::emulated {

namespace {

struct TableWindow {
    Hwnd handle;
    std::string_view className;
    std::string_view title;
    Hwnd parent;
    Hwnd firstChild;
};

/// Top-level windows come in Z order: the taskbar above the desktop.
constexpr std::array<TableWindow, 4> kWindows{{
    {kTrayWindow, "Shell_TrayWnd", "", 0, 0},
    {kProgmanWindow, "Progman", "Program Manager", 0, kDefViewWindow},
    {kDefViewWindow, "SHELLDLL_DefView", "", kProgmanWindow, kIconListWindow},
    {kIconListWindow, "SysListView32", "FolderView", kDefViewWindow, 0},
}};

const TableWindow* tableEntry(Hwnd window) {
    for (const TableWindow& entry : kWindows) {
        if (entry.handle == window) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace

EmulatedDesktopWindows::EmulatedDesktopWindows(HostDesktop& host, DesktopIconList& iconList)
    : host_(host)
    , iconList_(iconList) {}

bool EmulatedDesktopWindows::exists(Hwnd window) const {
    if (window == kTrayWindow) {
        return panelStrip(host_.screenGeometry(), host_.availableGeometry()).has_value();
    }
    return tableEntry(window) != nullptr;
}

Hwnd EmulatedDesktopWindows::findWindow(const std::string& className,
                                        const std::optional<std::string>& title) {
    for (const TableWindow& entry : kWindows) {
        if (entry.parent != 0 || !exists(entry.handle)) {
            continue;
        }
        if ((className.empty() || equalsIgnoringCase(className, entry.className)) &&
            (!title || equalsIgnoringCase(*title, entry.title))) {
            return entry.handle;
        }
    }
    return 0;
}

Hwnd EmulatedDesktopWindows::getWindow(Hwnd window, unsigned command) {
    return (exists(window) && command == kGwChild) ? tableEntry(window)->firstChild : 0;
}

std::string EmulatedDesktopWindows::getClassName(Hwnd window, int maxCount) {
    if (!exists(window) || maxCount <= 0) {
        return {};
    }
    const auto room = static_cast<std::size_t>(maxCount - 1);
    return std::string(tableEntry(window)->className.substr(0, room));
}

std::optional<Rect> EmulatedDesktopWindows::getWindowRect(Hwnd window) {
    if (!exists(window)) {
        return std::nullopt;
    }
    if (window == kTrayWindow) {
        return panelStrip(host_.screenGeometry(), host_.availableGeometry());
    }
    return host_.screenGeometry();
}

bool EmulatedDesktopWindows::showWindow(Hwnd window, int showCommand) {
    if (!exists(window)) {
        return false;
    }
    if (window != kIconListWindow) {
        return true;
    }
    const bool wasVisible = iconList_.visible();
    iconList_.setVisible(showCommand != kSwHide);
    return wasVisible;
}

std::intptr_t EmulatedDesktopWindows::sendMessage(Hwnd window, unsigned message,
                                                  std::uintptr_t /*wParam*/, std::intptr_t lParam) {
    return window == kIconListWindow ? sendToIconList(message, lParam) : 0;
}

std::intptr_t EmulatedDesktopWindows::sendToIconList(unsigned message, std::intptr_t lParam) {
    const auto color = static_cast<std::uint32_t>(lParam);
    switch (message) {
    case kLvmGetItemCount:
        return iconList_.itemCount();
    case kLvmSetTextColor:
        return iconList_.setTextColor(color) ? 1 : 0;
    case kLvmSetTextBkColor:
        return iconList_.setTextBkColor(color) ? 1 : 0;
    case kLvmGetTextColor:
        return iconList_.textColor();
    case kLvmGetTextBkColor:
        return iconList_.textBkColor();
    case kLvmRedrawItems:
        return iconList_.redraw() ? 1 : 0;
    default:
        return 0;
    }
}

} // namespace tovra::platform::emulated
