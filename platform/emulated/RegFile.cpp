#include "platform/emulated/RegFile.h"

#include "platform/TextCase.h"
#include "platform/emulated/Utf16.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tovra::platform::emulated {

namespace {

constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kNewline = "\r\n";
constexpr char kHexDigits[] = "0123456789abcdef";

/// The registry editor ends a hex line once it reaches this many characters.
constexpr std::size_t kHexLineLimit = 77;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::optional<unsigned> hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    const char lower = foldAscii(c);
    if (lower >= 'a' && lower <= 'f') {
        return static_cast<unsigned>(lower - 'a' + 10);
    }
    return std::nullopt;
}

/// The number written in 1 to maxDigits hex digits; nothing for anything else.
std::optional<std::uint32_t> parseHex(std::string_view digits, std::size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (const char c : digits) {
        const auto digit = hexDigit(c);
        if (!digit) {
            return std::nullopt;
        }
        number = (number << 4) | *digit;
    }
    return number;
}

/// The text as UTF-8: a UTF-16LE file (as the Windows editor exports it) is
/// converted, a UTF-8 byte-order mark is dropped.
std::string decodeFile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) {
        bytes.remove_prefix(2);
        return utf16leToUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    return std::string(bytes);
}

/// before + the quoted text + after, for an error's reason.
std::string quotedIn(std::string_view before, std::string_view text, std::string_view after) {
    std::string reason(before);
    reason += '"';
    reason += text;
    reason += '"';
    reason += after;
    return reason;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        lines.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

class Parser {
public:
    explicit Parser(std::string_view text)
        : lines_(splitLines(text)) {}

    RegTree run() {
        header();
        while (++current_ < lines_.size()) {
            const std::string_view line = trimLeft(lines_[current_]);
            if (trimRight(line).empty() || line.front() == ';') {
                continue;
            }
            if (line.front() == '[') {
                section(line);
            } else if (line.front() == '"' || line.front() == '@') {
                value(line);
            } else {
                fail("expected a [key] line, a value or a comment");
            }
        }
        return std::move(tree_);
    }

private:
    [[noreturn]] void fail(const std::string& reason) const {
        throw RegFileError(current_ + 1, reason);
    }

    void header() {
        const std::string_view first = trimRight(lines_.front());
        if (first == kHeader5) {
            wideText_ = true;
        } else if (first == kHeader4) {
            wideText_ = false;
        } else {
            fail("the first line is not \"" + std::string(kHeader5) + "\" or \"" +
                 std::string(kHeader4) + "\"");
        }
    }

    void section(std::string_view line) {
        const std::size_t close = line.rfind(']');
        if (close == std::string_view::npos || !trimRight(line.substr(close + 1)).empty()) {
            fail("a [key] line must end with ']'");
        }
        const std::string_view path = line.substr(1, close - 1);
        const std::string_view rootPart = path.substr(0, path.find('\\'));
        const auto root = rootFromName(rootPart);
        if (!root) {
            fail(quotedIn("unknown root key ", rootPart, ""));
        }
        key_ = &tree_.root(*root);
        if (rootPart.size() < path.size()) {
            for (const std::string& name : splitKeyPath(path.substr(rootPart.size() + 1))) {
                key_ = &key_->subkeyOrCreate(name);
            }
        }
    }

    void value(std::string_view line) {
        if (key_ == nullptr) {
            fail("a value before the first [key] line");
        }
        std::string name;
        if (line.front() == '@') {
            line.remove_prefix(1);
        } else {
            name = quoted(line);
        }
        line = trimLeft(line);
        if (line.empty() || line.front() != '=') {
            fail("expected '=' after the value's name");
        }
        key_->setValue(name, data(trimLeft(line.substr(1))));
    }

    /// Reads a quoted string at the start of rest and moves rest past it.
    std::string quoted(std::string_view& rest) {
        std::string text;
        for (std::size_t i = 1; i < rest.size(); ++i) {
            const char c = rest[i];
            if (c == '"') {
                rest.remove_prefix(i + 1);
                return text;
            }
            if (c == '\\') {
                if (i + 1 >= rest.size() || (rest[i + 1] != '\\' && rest[i + 1] != '"')) {
                    fail("in a quoted text only \\\\ and \\\" may follow a backslash");
                }
                ++i;
            }
            text += rest[i];
        }
        fail("a quoted text without its closing '\"'");
    }

    RegValue data(std::string_view rest) {
        if (!rest.empty() && rest.front() == '"') {
            RegValue result = RegValue::text(quoted(rest));
            expectEnd(rest);
            return result;
        }
        if (startsWithIgnoringCase(rest, "dword:")) {
            const auto number = parseHex(trimRight(rest.substr(6)), 8);
            if (!number) {
                fail("dword: must be followed by 1 to 8 hex digits");
            }
            return RegValue::dword(*number);
        }
        if (startsWithIgnoringCase(rest, "hex")) {
            return hexValue(rest.substr(3));
        }
        fail("the data must be a quoted text, dword: or hex:");
    }

    void expectEnd(std::string_view rest) const {
        if (!trimRight(rest).empty()) {
            fail("unexpected text after the value");
        }
    }

    RegValue hexValue(std::string_view rest) {
        std::uint32_t type = kRegBinary;
        if (!rest.empty() && rest.front() == '(') {
            const std::size_t close = rest.find(')');
            const auto number = close == std::string_view::npos
                                    ? std::nullopt
                                    : parseHex(rest.substr(1, close - 1), 8);
            if (!number) {
                fail("hex( must hold a type number in hex, then ')'");
            }
            type = *number;
            rest.remove_prefix(close + 1);
        }
        if (rest.empty() || rest.front() != ':') {
            fail("expected ':' after hex or hex(n)");
        }
        return typedValue(type, hexList(rest.substr(1)));
    }

    /// The bytes of a comma-separated hex list whose lines end in '\' while it goes on.
    std::vector<std::uint8_t> hexList(std::string_view rest) {
        std::vector<std::uint8_t> bytes;
        for (;;) {
            std::string_view segment = trimRight(rest);
            const bool continued = segment.ends_with('\\');
            if (continued) {
                segment = trimRight(segment.substr(0, segment.size() - 1));
            }
            hexItems(segment, continued, bytes);
            if (!continued) {
                return bytes;
            }
            if (++current_ >= lines_.size()) {
                --current_;
                fail("the hex list goes on past the end of the file");
            }
            rest = trimLeft(lines_[current_]);
        }
    }

    void hexItems(std::string_view segment, bool continued,
                  std::vector<std::uint8_t>& bytes) const {
        if (segment.empty()) {
            return;
        }
        if (segment.ends_with(',')) {
            if (!continued) {
                fail("the hex list ends with a comma");
            }
            segment.remove_suffix(1);
        } else if (continued) {
            fail("a hex line that goes on must end with a comma before the '\\'");
        }
        for (;;) {
            const std::size_t comma = segment.find(',');
            const auto item = trimRight(trimLeft(segment.substr(0, comma)));
            const auto byte = parseHex(item, 2);
            if (!byte) {
                fail(quotedIn("", item, " in a hex list is not a byte"));
            }
            bytes.push_back(static_cast<std::uint8_t>(*byte));
            if (comma == std::string_view::npos) {
                return;
            }
            segment.remove_prefix(comma + 1);
        }
    }

    /// A hex list as the value it stands for: text types become UTF-8 text.
    RegValue typedValue(std::uint32_t type, const std::vector<std::uint8_t>& bytes) const {
        if (type != kRegSz && type != kRegExpandSz && type != kRegMultiSz) {
            return RegValue{type, bytes};
        }
        std::string text = wideText_ ? utf16leToUtf8(bytes.data(), bytes.size())
                                     : std::string(bytes.begin(), bytes.end());
        if (!isValidUtf8(text)) {
            fail("the text in this hex list is not UTF-8");
        }
        // REG_SZ and REG_EXPAND_SZ keep their text without the terminating zero.
        if (type != kRegMultiSz && text.ends_with('\0')) {
            text.pop_back();
        }
        return RegValue::text(text, type);
    }

    std::vector<std::string_view> lines_;
    std::size_t current_ = 0;
    bool wideText_ = true;
    RegTree tree_;
    RegKeyNode* key_ = nullptr;
};

// ---- writing ----

void appendEscaped(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t special; (special = text.find_first_of("\\\"")) != text.npos;) {
        out.append(text.substr(0, special));
        out += '\\';
        out += text[special];
        text.remove_prefix(special + 1);
    }
    out.append(text);
    out += '"';
}

bool fitsInQuotes(const RegValue& value) {
    return std::none_of(value.data.begin(), value.data.end(),
                        [](std::uint8_t b) { return b == 0 || b == '\r' || b == '\n'; });
}

/// The bytes a hex list shows: text types as UTF-16LE, REG_SZ and
/// REG_EXPAND_SZ with their terminating zero.
std::vector<std::uint8_t> hexBytes(const RegValue& value) {
    if (value.type != kRegSz && value.type != kRegExpandSz && value.type != kRegMultiSz) {
        return value.data;
    }
    const std::string_view text(reinterpret_cast<const char*>(value.data.data()),
                                value.data.size());
    auto bytes = utf8ToUtf16le(text);
    if (value.type != kRegMultiSz) {
        bytes.insert(bytes.end(), {0, 0});
    }
    return bytes;
}

/// Appends number in lowercase hex: digits digits, or as few as it needs.
void appendHexNumber(std::string& out, std::uint32_t number, int digits = 0) {
    char buffer[8];
    int length = 0;
    do {
        buffer[length++] = kHexDigits[number & 0xF];
        number >>= 4;
    } while (number != 0 || length < digits);
    while (length > 0) {
        out += buffer[--length];
    }
}

void appendHex(std::string& out, std::size_t lineLength, const RegValue& value) {
    const std::size_t prefixStart = out.size();
    if (value.type == kRegBinary) {
        out += "hex:";
    } else {
        out += "hex(";
        appendHexNumber(out, value.type);
        out += "):";
    }
    lineLength += out.size() - prefixStart;
    const auto bytes = hexBytes(value);
    // A line at a time: a line holds at most kHexLineLimit / 3 + 1 bytes.
    char line[kHexLineLimit + 8];
    std::size_t used = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        line[used++] = kHexDigits[bytes[i] >> 4];
        line[used++] = kHexDigits[bytes[i] & 0xF];
        if (i + 1 == bytes.size()) {
            break;
        }
        line[used++] = ',';
        lineLength += 3;
        if (lineLength >= kHexLineLimit) {
            out.append(line, used);
            out += "\\";
            out += kNewline;
            out += "  ";
            used = 0;
            lineLength = 2;
        }
    }
    out.append(line, used);
}

void appendValue(std::string& out, const NamedValue& named) {
    const std::size_t lineStart = out.size();
    if (named.name.empty()) {
        out += '@';
    } else {
        appendEscaped(out, named.name);
    }
    out += '=';
    const RegValue& value = named.value;
    if (value.type == kRegSz && fitsInQuotes(value)) {
        // Holding no zero, the data is the text.
        appendEscaped(out, std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                            value.data.size()));
    } else if (const auto number = value.asDword()) {
        out += "dword:";
        appendHexNumber(out, *number, 8);
    } else {
        appendHex(out, utf8Length(std::string_view(out).substr(lineStart)), value);
    }
    out += kNewline;
}

void appendSection(std::string& out, const std::string& path, const RegKeyNode& key) {
    out += '[';
    out += path;
    out += ']';
    out += kNewline;
    for (const NamedValue& value : key.values()) {
        appendValue(out, value);
    }
    out += kNewline;
}

void appendKey(std::string& out, const std::string& path, const RegKeyNode& key) {
    appendSection(out, path, key);
    for (const RegKeyNode& subkey : key.subkeys()) {
        appendKey(out, path + '\\' + subkey.name(), subkey);
    }
}

} // namespace

RegFileError::RegFileError(std::size_t line, const std::string& reason)
    : std::runtime_error("line " + std::to_string(line) + ": " + reason)
    , line_(line)
    , reason_(reason) {}

RegTree parseRegFile(std::string_view bytes) {
    const std::string text = decodeFile(bytes);
    if (const auto bad = firstInvalidUtf8(text)) {
        const auto line =
            std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(*bad), '\n');
        throw RegFileError(static_cast<std::size_t>(line) + 1, "the text is not UTF-8");
    }
    if (std::all_of(text.begin(), text.end(), [](char c) { return isBlank(c) || c == '\n'; })) {
        return {};
    }
    return Parser(text).run();
}

std::string serialiseRegFile(const RegTree& tree, std::size_t expectedSize) {
    std::string out;
    out.reserve(expectedSize + expectedSize / 16);
    out += kHeader5;
    out += kNewline;
    out += kNewline;
    for (const RegRoot root : kRegRoots) {
        const RegKeyNode& key = tree.root(root);
        const std::string path(rootName(root));
        if (!key.values().empty()) {
            appendSection(out, path, key);
        }
        for (const RegKeyNode& subkey : key.subkeys()) {
            appendKey(out, path + '\\' + subkey.name(), subkey);
        }
    }
    return out;
}

} // namespace tovra::platform::emulated
