#include "app/core/TrayIconRules.h"

#include <utility>

namespace tovra::mainwindow {

namespace {

constexpr bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

} // namespace

std::string cutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return std::string(text);
    }
    std::size_t end = maxBytes;
    // text[end] is the first byte left out: while it continues a character,
    // that character would be split, so leave it out whole.
    while (end > 0 && isContinuationByte(text[end])) {
        --end;
    }
    return std::string(text.substr(0, end));
}

platform::NotifyIconData trayIconData(platform::Hwnd window, std::uintptr_t icon,
                                      std::string_view dateText, platform::TrayCallback callback) {
    platform::NotifyIconData data;
    data.cbSize = 88;
    data.hWnd = window;
    data.uID = 0;
    data.uFlags = platform::kNifMessage | platform::kNifIcon | platform::kNifTip;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon;
    data.szTip = cutUtf8(dateText, kTrayTipMaxBytes);
    data.callback = std::move(callback);
    return data;
}

TrayAction trayActionFor(std::uint32_t message, std::intptr_t lParam) {
    if (message != kTrayCallbackMessage) {
        return TrayAction::NotTrayMessage;
    }
    switch (lParam) {
    case platform::kWmLButtonDblClk:
        return TrayAction::ShowAndActivate;
    case platform::kWmRButtonUp:
        return TrayAction::PopupMenu;
    default:
        return TrayAction::Nothing;
    }
}

TrayChange trayChangeFor(bool iconShown, bool trayAvailable) {
    if (iconShown == trayAvailable) {
        return TrayChange::None;
    }
    return trayAvailable ? TrayChange::AddIcon : TrayChange::IconLost;
}

} // namespace tovra::mainwindow
