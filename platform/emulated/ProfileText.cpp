#include "platform/emulated/ProfileText.h"

#include "platform/TextCase.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace tovra::platform::emulated {

namespace {

/// The characters Windows trims around names and values: the ASCII controls
/// from tab to carriage return, the space, and ^Z (an old end-of-file mark).
constexpr bool isProfileSpace(char c) {
    return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a';
}

/// The position of text's first non-blank character (text.size() when none).
std::size_t firstNonBlank(std::string_view text, std::size_t from = 0) {
    while (from < text.size() && isProfileSpace(text[from])) {
        ++from;
    }
    return from;
}

/// The position after text's last non-blank character in [from, end).
std::size_t lastNonBlankEnd(std::string_view text, std::size_t from, std::size_t end) {
    while (end > from && isProfileSpace(text[end - 1])) {
        --end;
    }
    return end;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t begin = firstNonBlank(text);
    return text.substr(begin, lastNonBlankEnd(text, begin, text.size()) - begin);
}

std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool holdsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

/// Cuts text into lines at CR LF, LF or CR.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            visit(text.substr(start), std::string_view());
            return;
        }
        const std::size_t breakLength = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        visit(text.substr(start, end - start), text.substr(end, breakLength));
        start = end + breakLength;
    }
}

} // namespace

std::string_view ProfileText::Line::name() const {
    return std::string_view(text).substr(nameStart, nameLength);
}

std::string_view ProfileText::Line::rawValue() const {
    return std::string_view(text).substr(valueStart, valueLength);
}

ProfileText::ProfileText(std::string_view utf8) {
    // One allocation for the lines of a large file instead of a copy of them
    // at every doubling: the parse is what opening a large library costs.
    lines_.reserve(static_cast<std::size_t>(std::count(utf8.begin(), utf8.end(), '\n')) + 1);
    bool styleKnown = false;
    forEachLine(utf8, [this, &styleKnown](std::string_view text, std::string_view lineBreak) {
        const LineBreak kind = lineBreakOf(lineBreak);
        if (!styleKnown && kind != LineBreak::None) {
            lineBreak_ = kind;
            styleKnown = true;
        }
        lines_.push_back(parseLine(std::string(text), kind));
    });
}

ProfileText::LineBreak ProfileText::lineBreakOf(std::string_view text) {
    if (text == "\r\n") {
        return LineBreak::CrLf;
    }
    if (text.empty()) {
        return LineBreak::None;
    }
    return text == "\n" ? LineBreak::Lf : LineBreak::Cr;
}

std::string_view ProfileText::textOf(LineBreak lineBreak) {
    switch (lineBreak) {
    case LineBreak::CrLf:
        return "\r\n";
    case LineBreak::Lf:
        return "\n";
    case LineBreak::Cr:
        return "\r";
    case LineBreak::None:
        break;
    }
    return {};
}

ProfileText::Line ProfileText::parseLine(std::string text, LineBreak lineBreak) {
    Line line;
    line.text = std::move(text);
    line.lineBreak = lineBreak;
    const std::string_view view = line.text;
    const std::size_t begin = firstNonBlank(view);
    const std::size_t end = lastNonBlankEnd(view, begin, view.size());
    if (begin == end) {
        return line;
    }
    const std::size_t closing = view.rfind(']', end - 1);
    if (view[begin] == '[' && closing != std::string_view::npos && closing > begin) {
        line.kind = LineKind::Section;
        line.nameStart = firstNonBlank(view, begin + 1);
        line.nameLength = lastNonBlankEnd(view, line.nameStart, closing) - line.nameStart;
        return line;
    }
    line.kind = view[begin] == ';' ? LineKind::Comment : LineKind::Entry;
    const std::size_t equals = view.find('=', begin);
    const std::size_t nameEnd = equals < end ? equals : end;
    line.nameStart = begin;
    line.nameLength = lastNonBlankEnd(view, begin, nameEnd) - begin;
    if (equals < end) {
        line.hasValue = true;
        line.valueStart = firstNonBlank(view, equals + 1);
        line.valueLength = end - line.valueStart;
    }
    return line;
}

const ProfileText::Index& ProfileText::index() const {
    if (index_) {
        return *index_;
    }
    Index& built = index_.emplace();
    Index::Section* current = nullptr; // null outside a first occurrence
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Section) {
            const auto [it, first] = built.sections.try_emplace(foldedCopy(line.name()));
            current = first ? &it->second : nullptr;
            if (current != nullptr) {
                current->span = {i, sectionEnd(i)};
            }
        } else if (line.isEntry() && current != nullptr) {
            current->keys.try_emplace(foldedCopy(line.name()), i);
        }
    }
    return built;
}

std::size_t ProfileText::sectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < lines_.size() && lines_[end].kind != LineKind::Section) {
        ++end;
    }
    return end;
}

std::optional<ProfileText::Span> ProfileText::firstSection(std::string_view name) const {
    name = trimmed(name);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Section && equalsIgnoringCase(lines_[i].name(), name)) {
            return Span{i, sectionEnd(i)};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileText::findKey(Span span, std::string_view key) const {
    key = trimmed(key);
    for (std::size_t i = span.begin + 1; i < span.end; ++i) {
        if (lines_[i].isEntry() && equalsIgnoringCase(lines_[i].name(), key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> ProfileText::value(std::string_view section,
                                                   std::string_view key) const {
    const Index& found = index();
    const auto sectionIt = found.sections.find(foldedCopy(trimmed(section)));
    if (sectionIt == found.sections.end()) {
        return std::nullopt;
    }
    const auto keyIt = sectionIt->second.keys.find(foldedCopy(trimmed(key)));
    if (keyIt == sectionIt->second.keys.end() || !lines_[keyIt->second].hasValue) {
        return std::nullopt;
    }
    return withoutQuotes(lines_[keyIt->second].rawValue());
}

std::vector<std::string> ProfileText::keys(std::string_view section) const {
    std::vector<std::string> names;
    const Index& found = index();
    const auto it = found.sections.find(foldedCopy(trimmed(section)));
    if (it == found.sections.end()) {
        return names;
    }
    for (std::size_t i = it->second.span.begin + 1; i < it->second.span.end; ++i) {
        const Line& line = lines_[i];
        // An empty name would end the list that Windows hands back, so it is never listed.
        if (line.isEntry() && line.hasValue && line.nameLength > 0) {
            names.emplace_back(line.name());
        }
    }
    return names;
}

std::vector<std::string> ProfileText::sections() const {
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        if (line.kind == LineKind::Section && line.nameLength > 0) {
            names.emplace_back(line.name());
        }
    }
    return names;
}

void ProfileText::keepBytes(std::size_t line, std::string bytes) {
    lines_.at(line).kept = std::move(bytes);
}

void ProfileText::insertLine(std::size_t position, std::string text) {
    if (position > 0 && lines_[position - 1].lineBreak == LineBreak::None) {
        lines_[position - 1].lineBreak = lineBreak_; // the old last line gains its break
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position),
                  parseLine(std::move(text), lineBreak_));
}

bool ProfileText::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value)) {
        throw std::invalid_argument("a profile name or value cannot hold a line break");
    }
    section = trimmed(section);
    key = trimmed(key);
    value = value.substr(firstNonBlank(value)); // leading blanks would be lost on reading
    const std::string entry = std::string(key) + '=' + std::string(value);
    const auto span = firstSection(section);
    if (!span) {
        insertLine(lines_.size(), '[' + std::string(section) + ']');
        insertLine(lines_.size(), entry);
        changed();
        return true;
    }
    if (const auto existing = findKey(*span, key)) {
        Line& line = lines_[*existing];
        if (line.hasValue && line.rawValue() == value) {
            return false;
        }
        line = parseLine(std::string(line.name()) + '=' + std::string(value), line.lineBreak);
        changed();
        return true;
    }
    std::size_t after = span->begin; // the section's last entry, or its header
    for (std::size_t i = span->begin + 1; i < span->end; ++i) {
        after = lines_[i].isEntry() ? i : after;
    }
    insertLine(after + 1, entry);
    changed();
    return true;
}

bool ProfileText::deleteKey(std::string_view section, std::string_view key) {
    section = trimmed(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != LineKind::Section || !equalsIgnoringCase(lines_[i].name(), section)) {
            continue;
        }
        if (const auto found = findKey(Span{i, sectionEnd(i)}, key)) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*found));
            changed();
            return true;
        }
    }
    return false;
}

bool ProfileText::eraseSection(std::string_view section) {
    const auto span = firstSection(section);
    if (!span) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span->begin),
                 lines_.begin() + static_cast<std::ptrdiff_t>(span->end));
    changed();
    return true;
}

bool ProfileText::replaceSection(std::string_view section,
                                 const std::vector<std::pair<std::string, std::string>>& entries) {
    const auto span = firstSection(section);
    if (!span && entries.empty()) {
        return false;
    }
    if (!span) {
        insertLine(lines_.size(), '[' + std::string(trimmed(section)) + ']');
    }
    // The section's lines are taken apart and put back in one splice: a large
    // section rewritten line by line would shift the rest of the file once
    // per line.
    const std::size_t begin = span ? span->begin + 1 : lines_.size();
    const std::size_t end = span ? span->end : lines_.size();
    std::vector<Line> body;  // the lines before the first entry, then the new entries
    std::vector<Line> old;   // the entry lines, in order
    std::vector<Line> after; // the other lines from the first entry on
    for (std::size_t i = begin; i < end; ++i) {
        Line& line = lines_[i];
        auto& into = line.isEntry() ? old : (old.empty() ? body : after);
        into.push_back(std::move(line));
    }
    if (old.empty()) { // no entry yet: new ones follow the header
        std::swap(body, after);
    }
    bool differs = old.size() != entries.size();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& [key, value] = entries[i];
        const std::string_view stored = std::string_view(value).substr(firstNonBlank(value));
        if (i < old.size() && equalsIgnoringCase(old[i].name(), trimmed(key)) && old[i].hasValue &&
            old[i].rawValue() == stored) {
            body.push_back(std::move(old[i])); // an unchanged line keeps its bytes
            continue;
        }
        differs = true;
        body.push_back(
            parseLine(std::string(trimmed(key)) + '=' + std::string(stored), lineBreak_));
    }
    std::move(after.begin(), after.end(), std::back_inserter(body));
    spliceLines(begin, end, std::move(body));
    changed();
    return differs || !span;
}

void ProfileText::spliceLines(std::size_t begin, std::size_t end, std::vector<Line> lines) {
    const auto at = lines_.begin() + static_cast<std::ptrdiff_t>(begin);
    lines_.erase(at, lines_.begin() + static_cast<std::ptrdiff_t>(end));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(begin),
                  std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    // Only the file's last line may lack a line break; one that now has a
    // line after it gains the file's break.
    const std::size_t last = std::min(begin + lines.size(), lines_.size() - 1);
    for (std::size_t i = begin > 0 ? begin - 1 : 0; i < last; ++i) {
        if (lines_[i].lineBreak == LineBreak::None) {
            lines_[i].lineBreak = lineBreak_;
        }
    }
}

std::optional<std::string> ProfileText::serialize(Encoder encode) const {
    // Text waits in pending until kept bytes or its size call for converting
    // it, so that a file costs a few conversions, not one per line.
    constexpr std::size_t kChunk = 64 * 1024;
    std::size_t size = 0;
    for (const Line& line : lines_) {
        size += (line.kept.empty() ? line.text.size() : line.kept.size()) + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    std::string pending;
    const auto convert = [&] {
        const bool ok = encode(pending, bytes);
        pending.clear();
        return ok;
    };
    for (const Line& line : lines_) {
        if (!line.kept.empty()) {
            if (!convert()) {
                return std::nullopt;
            }
            bytes += line.kept;
        } else {
            pending += line.text;
        }
        pending += textOf(line.lineBreak);
        if (pending.size() >= kChunk && !convert()) {
            return std::nullopt;
        }
    }
    if (!convert()) {
        return std::nullopt;
    }
    return bytes;
}

std::string ProfileText::serialize() const {
    const auto asItStands = [](std::string_view utf8, std::string& bytes) {
        bytes += utf8;
        return true;
    };
    return *serialize(asItStands);
}

} // namespace tovra::platform::emulated
