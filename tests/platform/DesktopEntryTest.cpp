// The text rules of desktop entry files: string escapes and the Exec line's
// quoting, where a slip would start the wrong program or none.

#include "platform/emulated/DesktopEntry.h"

#include <gtest/gtest.h>

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

TEST(DesktopEntry, ExecValueNeedsAProgramWithoutAnEqualsSign) {
    EXPECT_EQ(execValue({}), std::nullopt);
    EXPECT_EQ(execValue({""}), std::nullopt);
    EXPECT_EQ(execValue({"", "x"}), std::nullopt);
    EXPECT_EQ(execValue({"/opt/a=b"}), std::nullopt);
    EXPECT_EQ(execValue({"/opt/t/run", "a=b", "c d", "e\\f"}),
              "/opt/t/run a=b \"c d\" \"e\\\\\\\\f\"");
}

} // namespace
} // namespace tovra::platform::emulated
