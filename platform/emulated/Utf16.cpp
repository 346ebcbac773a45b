#include "platform/emulated/Utf16.h"

namespace tovra::platform::emulated {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

/// Decodes one code point at text[pos]; returns the number of bytes it takes,
/// or 0 when the bytes there are not well-formed UTF-8.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        codePoint = lead & 0x07u;
    } else {
        return 0;
    }
    if (pos + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0u) != 0x80u) {
            return 0;
        }
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) {
        return 0;
    }
    return length;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

void appendUnit(std::vector<std::uint8_t>& out, char32_t unit) {
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
}

} // namespace

std::optional<std::size_t> firstInvalidUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t codePoint = 0;
        const std::size_t length = decodeUtf8(text, pos, codePoint);
        if (length == 0) {
            return pos;
        }
        pos += length;
    }
    return std::nullopt;
}

bool isValidUtf8(std::string_view text) {
    return !firstInvalidUtf8(text).has_value();
}

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) {
            ++count;
        }
    }
    return count;
}

std::vector<std::uint8_t> utf8ToUtf16le(std::string_view text) {
    std::vector<std::uint8_t> out;
    out.reserve(text.size() * 2);
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t codePoint = 0;
        const std::size_t length = decodeUtf8(text, pos, codePoint);
        if (length == 0) {
            codePoint = kReplacement;
        }
        pos += length == 0 ? 1 : length;
        if (codePoint >= 0x10000) {
            const char32_t offset = codePoint - 0x10000;
            appendUnit(out, 0xD800 + (offset >> 10));
            appendUnit(out, 0xDC00 + (offset & 0x3FF));
        } else {
            appendUnit(out, codePoint);
        }
    }
    return out;
}

std::string utf16leToUtf8(const std::uint8_t* bytes, std::size_t size) {
    std::string out;
    out.reserve(size);
    const std::size_t units = size / 2;
    auto unitAt = [bytes](std::size_t i) {
        return static_cast<char32_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const char32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
        appendUtf8(out, surrogate ? kReplacement : unit);
    }
    if (size % 2 != 0) {
        appendUtf8(out, kReplacement);
    }
    return out;
}

} // namespace tovra::platform::emulated
