#include "platform/emulated/Utf16.h"

#include <gtest/gtest.h>

namespace tovra::platform::emulated {
namespace {

std::vector<std::uint8_t> units(std::initializer_list<std::uint16_t> list) {
    std::vector<std::uint8_t> bytes;
    for (const std::uint16_t unit : list) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

struct Pair {
    const char* utf8;
    std::vector<std::uint8_t> utf16;
};

TEST(Utf16, WellFormedTextConvertsBothWays) {
    const Pair pairs[] = {
        {"", {}},
        {"A\\\"", units({'A', '\\', '"'})},
        {"\xC3\xA9", units({0x00E9})},
        {"中文", units({0x4E2D, 0x6587})},
        {"\xEF\xBF\xBF", units({0xFFFF})},
        {"😀", units({0xD83D, 0xDE00})},
        {"\xF4\x8F\xBF\xBF", units({0xDBFF, 0xDFFF})},
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.utf8);
        EXPECT_TRUE(isValidUtf8(pair.utf8));
        EXPECT_EQ(utf8ToUtf16le(pair.utf8), pair.utf16);
        EXPECT_EQ(utf16leToUtf8(pair.utf16.data(), pair.utf16.size()), pair.utf8);
    }
    const std::string withZero("a\0b", 3);
    EXPECT_TRUE(isValidUtf8(withZero));
    const auto wide = utf8ToUtf16le(withZero);
    EXPECT_EQ(utf16leToUtf8(wide.data(), wide.size()), withZero);
}

TEST(Utf16, BrokenUtf8IsFoundAndReplaced) {
    struct Broken {
        const char* text;
        std::size_t at;
    };
    const Broken cases[] = {
        {"ok\x80", 2},           // a lone continuation byte
        {"\xC0\x80", 0},         // an overlong zero
        {"\xE0\x80\xAF", 0},     // an overlong slash
        {"a\xED\xA0\x80", 1},    // an encoded surrogate
        {"\xF5\x80\x80\x80", 0}, // above U+10FFFF
        {"\xE4\xB8", 0},         // cut short
        {"\xE4\xB8"
         "A",
         0}, // cut short inside the text
        {"\xFF", 0},
    };
    for (const Broken& broken : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(broken.text)));
        EXPECT_FALSE(isValidUtf8(broken.text));
        EXPECT_EQ(firstInvalidUtf8(broken.text), broken.at);
    }
    EXPECT_EQ(utf8ToUtf16le("a\xFF"
                            "b"),
              units({'a', 0xFFFD, 'b'}));
}

TEST(Utf16, BrokenUtf16BecomesReplacementCharacters) {
    const auto loneHigh = units({'a', 0xD83D, 'b'});
    EXPECT_EQ(utf16leToUtf8(loneHigh.data(), loneHigh.size()), "a\xEF\xBF\xBD"
                                                               "b");
    const auto loneLow = units({0xDE00});
    EXPECT_EQ(utf16leToUtf8(loneLow.data(), loneLow.size()), "\xEF\xBF\xBD");
    const auto highAtEnd = units({'x', 0xD83D});
    EXPECT_EQ(utf16leToUtf8(highAtEnd.data(), highAtEnd.size()), "x\xEF\xBF\xBD");
    const std::uint8_t odd[] = {'a', 0, 'b'};
    EXPECT_EQ(utf16leToUtf8(odd, sizeof odd), "a\xEF\xBF\xBD");
}

} // namespace
} // namespace tovra::platform::emulated
