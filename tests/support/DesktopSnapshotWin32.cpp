#include "tests/support/DesktopSnapshot.h"

#include <algorithm>
#include <windows.h>

namespace tovra::test {

namespace {

constexpr const wchar_t* kDesktop = L"Control Panel\\Desktop";
constexpr const wchar_t* kNames[] = {L"Wallpaper", L"TileWallpaper", L"wallpaperstyle"};

} // namespace

std::optional<StoredDesktopValue> readDesktopValue(const wchar_t* name) {
    DWORD size = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, kDesktop, name, RRF_RT_ANY | RRF_NOEXPAND, nullptr,
                       nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    StoredDesktopValue value;
    value.data.resize(size);
    DWORD type = REG_NONE;
    if (::RegGetValueW(HKEY_CURRENT_USER, kDesktop, name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                       value.data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.type = type;
    value.data.resize(size);
    return value;
}

std::wstring textOf(const StoredDesktopValue& value) {
    std::wstring text(value.data.size() / sizeof(wchar_t), L'\0');
    std::copy(value.data.begin(), value.data.begin() + static_cast<std::ptrdiff_t>(text.size() * 2),
              reinterpret_cast<BYTE*>(text.data()));
    while (!text.empty() && text.back() == L'\0') {
        text.pop_back();
    }
    return text;
}

DesktopSnapshot::DesktopSnapshot() {
    for (const wchar_t* name : kNames) {
        saved_.emplace_back(name, readDesktopValue(name));
    }
}

DesktopSnapshot::~DesktopSnapshot() {
    for (const auto& [name, value] : saved_) {
        if (value) {
            ::RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, name, value->type, value->data.data(),
                              static_cast<DWORD>(value->data.size()));
        } else {
            ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktop, name);
        }
    }
    std::wstring wallpaper = saved_.front().second ? textOf(*saved_.front().second) : L"";
    ::SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, wallpaper.data(), SPIF_SENDWININICHANGE);
}

} // namespace tovra::test
