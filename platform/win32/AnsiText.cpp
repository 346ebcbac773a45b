#include "platform/win32/AnsiText.h"

#include <limits>
#include <stdexcept>
#include <windows.h>

namespace tovra::platform::win32 {

namespace {

int checkedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw std::length_error("text too long for the Windows text conversion");
    }
    return static_cast<int>(size);
}

std::wstring toUtf16(std::string_view text, UINT codePage) {
    if (text.empty()) {
        return {};
    }
    const int length = checkedLength(text.size());
    const int needed = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
    return wide;
}

std::string fromUtf16(std::wstring_view wide, UINT codePage) {
    if (wide.empty()) {
        return {};
    }
    const int length = checkedLength(wide.size());
    const int needed =
        ::WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), needed, nullptr, nullptr);
    return text;
}

} // namespace

std::string toAnsi(std::string_view utf8) {
    return fromUtf16(toUtf16(utf8, CP_UTF8), CP_ACP);
}

std::string fromAnsi(std::string_view ansi) {
    return fromUtf16(toUtf16(ansi, CP_ACP), CP_UTF8);
}

std::string_view wholeAnsiCharacters(std::string_view ansi) {
    std::size_t i = 0;
    while (i < ansi.size()) {
        const std::size_t width = ::IsDBCSLeadByte(static_cast<BYTE>(ansi[i])) ? 2 : 1;
        if (i + width > ansi.size()) {
            break;
        }
        i += width;
    }
    return ansi.substr(0, i);
}

} // namespace tovra::platform::win32
