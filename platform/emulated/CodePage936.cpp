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

/// Converts text with iconv from one encoding to another, appending to out. A
/// sequence that the source encoding does not define, or that is cut off,
/// goes to undefined(out), which appends what stands for it and says whether
/// to go on after the sequence's first byte. False when it said no, or when
/// iconv converted something only approximately.
template <typename Undefined>
bool convert(const char* to, const char* from, std::string_view text, std::string& out,
             Undefined undefined) {
    Converter converter(to, from);
    std::array<char, 4096> chunk{};
    // iconv's interface takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    bool exact = true;
    while (inLeft > 0) {
        char* next = chunk.data();
        std::size_t outLeft = chunk.size();
        const std::size_t done = ::iconv(converter.get(), &in, &inLeft, &next, &outLeft);
        const int failure = done == static_cast<std::size_t>(-1) ? errno : 0;
        out.append(chunk.data(), chunk.size() - outLeft);
        exact = exact && (failure != 0 || done == 0);
        if (failure == EILSEQ || failure == EINVAL) {
            if (!undefined(out)) {
                return false;
            }
            ++in;
            --inLeft;
        } else if (failure != 0 && failure != E2BIG) {
            throw std::runtime_error("iconv failed while converting code page 936");
        }
    }
    return exact;
}

} // namespace

std::string utf8FromCodePage936(std::string_view text) {
    bool exact = true;
    return utf8FromCodePage936(text, exact);
}

std::string utf8FromCodePage936(std::string_view text, bool& exact) {
    std::string result;
    result.reserve(text.size() * 3 / 2 + 16);
    bool defined = true;
    const bool converted = convert("UTF-8", "CP936", text, result, [&defined](std::string& out) {
        out += kReplacement; // marked, and the rest still read
        defined = false;
        return true;
    });
    exact = converted && defined;
    return result;
}

bool appendCodePage936(std::string_view utf8, std::string& bytes) {
    if (!isValidUtf8(utf8)) {
        return false;
    }
    const std::size_t start = bytes.size();
    if (!convert("CP936", "UTF-8", utf8, bytes, [](std::string&) { return false; })) {
        bytes.resize(start); // a character that code page 936 lacks
        return false;
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
