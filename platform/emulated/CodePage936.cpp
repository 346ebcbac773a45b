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

/// An iconv conversion descriptor, closed at the end of its scope.
class Converter {
public:
    Converter(const char* to, const char* from)
        : handle_(::iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) {
            throw std::runtime_error("iconv cannot convert between code page 936 and UTF-8");
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

std::string utf8FromCodePage936(std::string_view text) {
    bool exact = true;
    return utf8FromCodePage936(text, exact);
}

std::string utf8FromCodePage936(std::string_view text, bool& exact) {
    exact = true;
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
            exact = false;
            ++in;
            --inLeft;
        } else if (failure != 0 && failure != E2BIG) {
            throw std::runtime_error("iconv failed while converting from code page 936");
        }
    }
    return result;
}

bool appendCodePage936(std::string_view utf8, std::string& bytes) {
    if (utf8.empty()) {
        return true;
    }
    if (!isValidUtf8(utf8)) {
        return false;
    }
    Converter converter("CP936", "UTF-8");
    const std::size_t start = bytes.size();
    std::array<char, 4096> chunk{};
    char* in = const_cast<char*>(utf8.data()); // never written through, as above
    std::size_t inLeft = utf8.size();
    while (inLeft > 0) {
        char* out = chunk.data();
        std::size_t outLeft = chunk.size();
        const std::size_t done = ::iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        const int failure = done == static_cast<std::size_t>(-1) ? errno : 0;
        bytes.append(chunk.data(), chunk.size() - outLeft);
        const bool approximated = failure == 0 && done != 0;
        if ((failure != 0 && failure != E2BIG) || approximated) {
            bytes.resize(start); // a character code page 936 lacks
            return false;
        }
    }
    return true;
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
