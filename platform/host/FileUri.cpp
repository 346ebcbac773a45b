#include "platform/host/DesktopSetter.h"

namespace tovra::platform::host {

namespace {

/// RFC 3986's unreserved characters, told apart by hand: <cctype> follows the
/// C locale, under which a Latin-1 locale calls the bytes of UTF-8 text
/// letters, and such a byte left in the URI is no valid UTF-8 for the desktop.
constexpr bool unreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

} // namespace

std::string fileUri(const std::string& absolutePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char c : absolutePath) {
        if (unreserved(c) || c == '/') {
            uri += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            uri += '%';
            uri += kHex[byte >> 4u];
            uri += kHex[byte & 0xFu];
        }
    }
    return uri;
}

} // namespace tovra::platform::host
