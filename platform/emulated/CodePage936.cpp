#include "platform/emulated/CodePage936.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <stdexcept>

namespace tovra::platform::emulated {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

constexpr bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

/// The length of the well-formed UTF-8 character at the start of text, or 0.
std::size_t validSequenceLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80; // the allowed range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;  // no overlong forms
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byte(i))) {
            return 0;
        }
    }
    return length;
}

/// An iconv conversion descriptor, closed at the end of its scope.
class Converter {
public:
    Converter(const char* to, const char* from)
        : handle_(::iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) {
            throw std::runtime_error("iconv cannot convert from code page 936");
        }
    }
    ~Converter() { ::iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    [[nodiscard]] iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

} // namespace

bool isValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = validSequenceLength(text);
        if (length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

std::string utf8FromCodePage936(std::string_view text) {
    Converter converter("UTF-8", "CP936");
    std::string result;
    result.reserve(text.size() * 3 / 2 + 16);
    std::array<char, 4096> chunk{};
    // iconv's interface takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char* out = chunk.data();
        std::size_t outLeft = chunk.size();
        const std::size_t done = ::iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        const int failure = done == static_cast<std::size_t>(-1) ? errno : 0;
        result.append(chunk.data(), chunk.size() - outLeft);
        if (failure == EILSEQ || failure == EINVAL) {
            // An undefined or cut-off sequence: mark it and go on after its first byte.
            result += kReplacement;
            ++in;
            --inLeft;
        } else if (failure != 0 && failure != E2BIG) {
            throw std::runtime_error("iconv failed while converting from code page 936");
        }
    }
    return result;
}

std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    std::size_t end = maxBytes;
    while (end > 0 && isContinuation(static_cast<unsigned char>(text[end]))) {
        --end;
    }
    return text.substr(0, end);
}

} // namespace tovra::platform::emulated
