// The text rules of desktop entry files: string escapes and the Exec line's
// quoting, where a slip would start the wrong program or none.

#include "platform/emulated/DesktopEntry.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace tovra::platform::emulated {
namespace {

TEST(DesktopEntry, StringValuesEscapeWhatALineCannotHold) {
    struct Case {
        const char* text;
        const char* escaped;
    };
    const Case cases[] = {
        {"plain text", "plain text"},
        {"a\\b", "a\\\\b"},
        {"line\nbreak", "line\\nbreak"},
        {"tab\there", "tab\\there"},
        {"cr\rhere", "cr\\rhere"},
        {" leading", "\\sleading"},
        {"  two", "\\s two"},
        {"", ""},
        {"桌面精灵", "桌面精灵"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(desktopEntryString(c.text), c.escaped);
    }
}

TEST(DesktopEntry, ExecWordsAreQuotedOnlyWhenTheyMustBe) {
    struct Case {
        const char* word;
        const char* exec;
    };
    const Case cases[] = {
        {"/usr/bin/tovra", "/usr/bin/tovra"},
        {"--mode=tray", "--mode=tray"},
        {"", "\"\""},
        {"a b", "\"a b\""},
        {"a\"b", "\"a\\\"b\""},
        {"a`b", "\"a\\`b\""},
        {"a$b", "\"a\\$b\""},
        {"a\\b", "\"a\\\\b\""},
        {"50%", "50%%"},
        {"50% x", "\"50%% x\""},
        {"bell\a", "\"bell\a\""},
        {"del\x7f", "\"del\x7f\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(execWord(c.word), c.exec);
    }
    for (const char reserved : std::string_view(" \t\n\"'\\><~|&;$*?#()`")) {
        SCOPED_TRACE(std::string(1, reserved));
        const std::string word = execWord(std::string("x") + reserved);
        EXPECT_EQ(word.front(), '"');
        EXPECT_EQ(word.back(), '"');
    }
}

TEST(DesktopEntry, ExecValuesStartTheProgramOrAreRefused) {
    struct Case {
        const char* name;
        std::vector<std::string> command;
        std::optional<std::string> exec; // nothing: refused
    };
    const Case cases[] = {
        {"no program", {}, std::nullopt},
        {"an empty program", {""}, std::nullopt},
        {"an empty program with arguments", {"", "x"}, std::nullopt},
        {"an equals sign in the program", {"/opt/a=b"}, std::nullopt},
        {"arguments",
         {"/opt/t/run", "a=b", "c d", "e\\f"},
         "/opt/t/run a=b \"c d\" \"e\\\\\\\\f\""},
        // GLib looks "/opt/100%%/run" up as it stands, and finds nothing.
        {"a percent sign in the program",
         {"/opt/100%/run", "50%"},
         "/usr/bin/env /opt/100%%/run 50%%"},
        {"bytes that are not UTF-8", {"/opt/\xff/run"}, std::nullopt},
        {"an argument that is not UTF-8", {"/opt/t/run", "\xc3("}, std::nullopt},
        {"a control character", {"/opt/bell\a/run"}, std::nullopt},
        {"delete", {"/opt/t/run", "del\x7f"}, std::nullopt},
        {"tab and line breaks", {"/opt/a\tb/run", "c\nd\re"}, "\"/opt/a\\tb/run\" \"c\\nd\\re\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(execValue(c.command), c.exec);
    }
}

} // namespace
} // namespace tovra::platform::emulated
