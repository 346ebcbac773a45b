#include "platform/host/DesktopSetter.h"

#include <cctype>

namespace tovra::platform::host {

std::string fileUri(const std::string& absolutePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char c : absolutePath) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4u];
            uri += kHex[byte & 0xFu];
        }
    }
    return uri;
}

} // namespace tovra::platform::host
