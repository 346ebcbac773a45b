#include "platform/emulated/ProfileEncoding.h"

#include "platform/emulated/CodePage936.h"
#include "platform/emulated/Utf16.h"

#include <cstdint>
#include <vector>

namespace tovra::platform::emulated {

namespace {

constexpr std::string_view kUtf16leBom = "\xFF\xFE";

bool appendUtf8(std::string_view utf8, std::string& bytes) {
    if (!isValidUtf8(utf8)) {
        return false;
    }
    bytes += utf8;
    return true;
}

bool appendUtf16le(std::string_view utf8, std::string& bytes) {
    if (!isValidUtf8(utf8)) {
        return false;
    }
    const std::vector<std::uint8_t> units = utf8ToUtf16le(utf8);
    bytes.append(reinterpret_cast<const char*>(units.data()), units.size());
    return true;
}

std::string utf8FromUtf16le(std::string_view bytes) {
    return utf16leToUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

/// Each line as UTF-8 when it is, else as code page 936.
std::string utf8FromMixed(std::string_view line) {
    return isValidUtf8(line) ? std::string(line) : utf8FromCodePage936(line);
}

struct Codec {
    std::string (*decode)(std::string_view bytes);
    ProfileText::Encoder encode;
    std::size_t unitSize; // bytes per code unit
};

Codec codecOf(ProfileEncoding encoding) {
    switch (encoding) {
    case ProfileEncoding::CodePage936:
        return {utf8FromCodePage936, appendCodePage936, 1};
    case ProfileEncoding::Utf16le:
        return {utf8FromUtf16le, appendUtf16le, 2};
    case ProfileEncoding::Utf8:
    case ProfileEncoding::Mixed:
    case ProfileEncoding::Binary:
        break;
    }
    return {utf8FromMixed, appendUtf8, 1};
}

/// One line of a file's bytes: its content, and its line break as UTF-8.
struct RawLine {
    std::string_view content;
    std::string_view lineBreak;
};

/// The lines of bytes in code units of unitSize bytes (little-endian), cut
/// where ProfileText cuts text: at CR LF, LF or CR. An odd last byte of
/// UTF-16 belongs to the last line.
std::vector<RawLine> rawLines(std::string_view bytes, std::size_t unitSize) {
    const auto unitAt = [&](std::size_t at) -> unsigned {
        if (at + unitSize > bytes.size()) {
            return 0xFFFF; // a cut unit is no line break
        }
        const auto low = static_cast<unsigned char>(bytes[at]);
        return unitSize == 1 ? low : low | static_cast<unsigned char>(bytes[at + 1]) << 8u;
    };
    std::vector<RawLine> lines;
    std::size_t start = 0;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const unsigned unit = unitAt(at);
        if (unit != '\r' && unit != '\n') {
            at += unitSize;
            continue;
        }
        const bool crLf = unit == '\r' && unitAt(at + unitSize) == '\n';
        const std::string_view lineBreak = crLf ? "\r\n" : unit == '\r' ? "\r" : "\n";
        lines.push_back({bytes.substr(start, at - start), lineBreak});
        at += lineBreak.size() * unitSize;
        start = at;
    }
    if (start < bytes.size()) {
        lines.push_back({bytes.substr(start), std::string_view()});
    }
    return lines;
}

/// The text of bytes in codec's encoding, each line that the text cannot give
/// back holding its bytes. whole, when given, is all of bytes decoded: when
/// it gives them all back, no line needs its bytes.
ProfileText decodeLines(std::string_view bytes, const Codec& codec,
                        const std::optional<std::string>& whole) {
    if (whole) {
        std::string back;
        if (codec.encode(*whole, back) && back == bytes) {
            return ProfileText(*whole);
        }
    }
    const std::vector<RawLine> lines = rawLines(bytes, codec.unitSize);
    std::string utf8;
    std::vector<bool> keep(lines.size(), false);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string text = codec.decode(lines[i].content);
        std::string back;
        keep[i] = !codec.encode(text, back) || back != lines[i].content;
        utf8 += text;
        utf8 += lines[i].lineBreak;
    }
    ProfileText text(utf8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (keep[i]) {
            text.keepBytes(i, std::string(lines[i].content));
        }
    }
    return text;
}

} // namespace

ProfileDocument decodeProfile(std::string_view bytes) {
    ProfileDocument document;
    for (const std::string_view mark : {kUtf16leBom, kUtf8Bom}) {
        if (bytes.starts_with(mark)) {
            document.byteOrderMark = mark;
            bytes.remove_prefix(mark.size());
            break;
        }
    }
    std::optional<std::string> whole;
    if (document.byteOrderMark == kUtf16leBom) {
        document.encoding = ProfileEncoding::Utf16le;
        whole = utf8FromUtf16le(bytes);
    } else if (bytes.find('\0') != std::string_view::npos) {
        document.encoding = ProfileEncoding::Binary;
    } else if (isValidUtf8(bytes)) {
        document.text = ProfileText(bytes);
        return document;
    } else {
        bool exact = false;
        whole = utf8FromCodePage936(bytes, exact);
        document.encoding = exact ? ProfileEncoding::CodePage936 : ProfileEncoding::Mixed;
        if (!exact) {
            whole.reset();
        }
    }
    document.text = decodeLines(bytes, codecOf(document.encoding), whole);
    if (document.encoding == ProfileEncoding::Utf16le && bytes.size() % 2 != 0) {
        // No program wrote this: a line added after the cut last unit would
        // read shifted by a byte. Like binary data, it is read, never written.
        document.encoding = ProfileEncoding::Binary;
    }
    return document;
}

std::optional<std::string> encodeProfile(const ProfileDocument& document) {
    if (document.encoding == ProfileEncoding::Binary) {
        return std::nullopt;
    }
    auto bytes = document.text.serialize(codecOf(document.encoding).encode);
    if (bytes) {
        bytes->insert(0, document.byteOrderMark);
    }
    return bytes;
}

} // namespace tovra::platform::emulated
