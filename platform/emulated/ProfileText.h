#pragma once

// The text of a profile file, as a list of its lines kept exactly as they were
// read. Reading never changes a line; a change touches only the lines it must,
// so a file edited by hand or written by Windows keeps its comments, blank
// lines, spacing and line breaks. The text is UTF-8; a line whose text does not
// give back its bytes in the file (bytes that the file's encoding does not
// define) keeps those bytes until a change rewrites it.
//
// How lines are read, as Windows reads them:
// - a line whose first non-blank character is '[' and that holds a ']' starts
//   a section; its name is the text up to the last ']', trimmed;
// - a line whose first non-blank character is ';' is a comment;
// - any other non-blank line is an entry: its key is the text before the first
//   '=', trimmed, and its value the text after it, trimmed. An entry without
//   '=' has a key but no value: it is not listed, and reading it gives the
//   caller's default;
// - lines before the first section belong to no section.
// Names compare without regard to case. When a section appears twice, reads
// and writes use its first occurrence only, and the section list names it
// twice; when a key appears twice in a section, the first one counts.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tovra::platform::emulated {

class ProfileText {
public:
    /// An empty file; lines added to it end in CR LF.
    ProfileText() = default;
    /// The lines of utf8 text. New lines take the line break of its first line.
    explicit ProfileText(std::string_view utf8);

    /// The value of the first matching key in the first matching section,
    /// without balanced surrounding quotes; nothing when the section or key is
    /// missing or the key's line holds no '='.
    [[nodiscard]] std::optional<std::string_view> value(std::string_view section,
                                                        std::string_view key) const;
    /// The keys of the first matching section that hold a value, in file order.
    [[nodiscard]] std::vector<std::string> keys(std::string_view section) const;
    /// Every section name in file order, a repeated section as often as it appears.
    [[nodiscard]] std::vector<std::string> sections() const;

    /// Sets a key's value. An existing key keeps its line and place; a new key
    /// follows the last entry of its section; a new section goes at the end.
    /// Names and value must hold no line break. False when nothing changed.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    /// Removes the line of the first matching key of any occurrence of the
    /// section. False when there was none.
    bool deleteKey(std::string_view section, std::string_view key);
    /// Removes the first occurrence of the section with every line up to the
    /// next section. False when there was none.
    bool eraseSection(std::string_view section);
    /// Makes entries the keys of the section's first occurrence, in order:
    /// its entry lines go, and the entries take the place of the first of
    /// them (or follow the header); comments and blank lines stay. An entry
    /// equal to a line it replaces keeps that line as it was. A missing
    /// section is added at the end, unless entries is empty. Nothing may hold a
    /// line break. False when nothing changed.
    bool replaceSection(std::string_view section,
                        const std::vector<std::pair<std::string, std::string>>& entries);

    /// Keeps bytes, the line's content in the file without its line break, for
    /// line number line (from 0) until a change rewrites that line.
    void keepBytes(std::size_t line, std::string bytes);

    /// Appends UTF-8 text in a file's encoding to bytes; false when the
    /// encoding cannot hold the text.
    using Encoder = bool (*)(std::string_view utf8, std::string& bytes);
    /// The text as a file's bytes: each line's kept bytes, or its text through
    /// encode, and its line break through encode. Nothing when encode fails.
    [[nodiscard]] std::optional<std::string> serialize(Encoder encode) const;
    /// The text as it stands in UTF-8, kept bytes in place of their lines.
    [[nodiscard]] std::string serialize() const;

private:
    enum class LineKind : unsigned char { Blank, Comment, Section, Entry };
    enum class LineBreak : unsigned char { None, CrLf, Lf, Cr };

    struct Line {
        std::string text; // without its line break
        std::string kept; // the line's bytes in the file, when its text cannot give them back
        LineBreak lineBreak = LineBreak::None; // None only for a last line without one
        LineKind kind = LineKind::Blank;
        std::size_t nameStart = 0; // the section's or key's name within text
        std::size_t nameLength = 0;
        std::size_t valueStart = 0; // the value within text, for an entry with '='
        std::size_t valueLength = 0;
        bool hasValue = false;

        [[nodiscard]] std::string_view name() const;
        [[nodiscard]] std::string_view rawValue() const;
        [[nodiscard]] bool isEntry() const { return kind == LineKind::Entry; }
    };

    /// Lines [begin, end) of one occurrence of a section, its header included.
    struct Span {
        std::size_t begin = 0;
        std::size_t end = 0;
    };

    /// Where the first occurrence of each section and of each of its keys sit.
    struct Index {
        struct Section {
            Span span;
            std::unordered_map<std::string, std::size_t> keys; // folded key -> line
        };
        std::unordered_map<std::string, Section> sections; // folded name -> section
    };

    static Line parseLine(std::string text, LineBreak lineBreak);
    static LineBreak lineBreakOf(std::string_view text);
    static std::string_view textOf(LineBreak lineBreak);
    [[nodiscard]] const Index& index() const;
    [[nodiscard]] std::size_t sectionEnd(std::size_t header) const;
    [[nodiscard]] std::optional<Span> firstSection(std::string_view name) const;
    [[nodiscard]] std::optional<std::size_t> findKey(Span span, std::string_view key) const;
    void insertLine(std::size_t position, std::string text);
    /// Replaces lines [begin, end) with lines.
    void spliceLines(std::size_t begin, std::size_t end, std::vector<Line> lines);
    void changed() { index_.reset(); }

    std::vector<Line> lines_;
    LineBreak lineBreak_ = LineBreak::CrLf;
    mutable std::optional<Index> index_; // built on the first read after a change
};

} // namespace tovra::platform::emulated
