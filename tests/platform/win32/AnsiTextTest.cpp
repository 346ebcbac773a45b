// The text conversion at the ANSI calls, in the code page of a Chinese
// Windows (936). The Wine job runs with that code page; these cases say so
// first when it does not.

#include "platform/win32/AnsiText.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <windows.h>

namespace tovra::platform::win32 {
namespace {

using namespace std::string_literals;

/// A table row's name as the test's name.
constexpr auto caseName = [](const auto& tested) { return std::string(tested.param.name); };

void expectCodePage936() {
    ASSERT_EQ(::GetACP(), 936u)
        << "the system's ANSI code page must be 936 (Wine: LC_ALL=zh_CN.UTF-8)";
}

struct TextPair {
    const char* name;
    std::string utf8;
    std::string ansi;
};

void PrintTo(const TextPair& pair, std::ostream* out) {
    *out << pair.name;
}

class AnsiRoundTrip : public ::testing::TestWithParam<TextPair> {};

TEST_P(AnsiRoundTrip, BothWays) {
    expectCodePage936();
    EXPECT_EQ(toAnsi(GetParam().utf8), GetParam().ansi);
    EXPECT_EQ(fromAnsi(GetParam().ansi), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    CodePage936, AnsiRoundTrip,
    ::testing::Values(TextPair{"Empty", "", ""}, TextPair{"Ascii", "D:\\a b.jpg", "D:\\a b.jpg"},
                      TextPair{"Chinese", "中文", "\xD6\xD0\xCE\xC4"},
                      TextPair{"MixedPath", "D:\\图片\\1.jpg", "D:\\\xCD\xBC\xC6\xAC\\1.jpg"},
                      TextPair{"EuroSign", "€", "\x80"}, TextPair{"PinyinLetter", "é", "\xA8\xA6"},
                      TextPair{"ZeroBytesPass", "a\0中\0"s, "a\0\xD6\xD0\0"s}),
    caseName);

struct OneWay {
    const char* name;
    std::string from;
    std::string expected;
};

void PrintTo(const OneWay& oneWay, std::ostream* out) {
    *out << oneWay.name;
}

class ToAnsiLoss : public ::testing::TestWithParam<OneWay> {};

TEST_P(ToAnsiLoss, GivesTheDefaultCharacter) {
    expectCodePage936();
    EXPECT_EQ(toAnsi(GetParam().from), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(CodePage936, ToAnsiLoss,
                         ::testing::Values(OneWay{"HangulIsNotInTheCodePage", "a한b", "a?b"},
                                           OneWay{"BrokenUtf8BecomesAReplacement",
                                                  "a\xFF"
                                                  "b",
                                                  "a?b"}),
                         caseName);

/// Whether text is well-formed UTF-8, by the system's own strict decoder.
bool isValidUtf8(const std::string& text) {
    return text.empty() || ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                                 static_cast<int>(text.size()), nullptr, 0) > 0;
}

class FromAnsiLoss : public ::testing::TestWithParam<OneWay> {};

// What a byte without a character becomes is the code page table's business
// ('?' for a cut character on Wine, U+F8F5 for the byte 0xFF); what matters
// here is that it is one character of valid UTF-8 and the rest survives.
TEST_P(FromAnsiLoss, NeverGivesBrokenUtf8) {
    expectCodePage936();
    const std::string text = fromAnsi(GetParam().from);
    EXPECT_TRUE(isValidUtf8(text)) << text;
    EXPECT_TRUE(text.starts_with(GetParam().expected)) << text;
    EXPECT_GT(text.size(), GetParam().expected.size()) << "the lost byte leaves a mark";
}

INSTANTIATE_TEST_SUITE_P(CodePage936, FromAnsiLoss,
                         ::testing::Values(OneWay{"LoneLeadByteAtTheEnd", "a\xD6", "a"},
                                           OneWay{"UndefinedByte", "a\xFF", "a"},
                                           OneWay{"LeadByteBeforeAControlCharacter", "a\xD6\n",
                                                  "a"}),
                         caseName);

class WholeCharacters : public ::testing::TestWithParam<OneWay> {};

TEST_P(WholeCharacters, DropALoneLeadByteAtTheEnd) {
    expectCodePage936();
    EXPECT_EQ(wholeAnsiCharacters(GetParam().from), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(CodePage936, WholeCharacters,
                         ::testing::Values(OneWay{"Empty", "", ""}, OneWay{"Ascii", "abc", "abc"},
                                           OneWay{"OnlyALeadByte", "\xD6", ""},
                                           OneWay{"WholeThenHalf", "a\xD6\xD0\xCE", "a\xD6\xD0"},
                                           OneWay{"AllWhole", "\xD6\xD0\xCE\xC4",
                                                  "\xD6\xD0\xCE\xC4"},
                                           OneWay{"LeadByteAfterASingleByte", "a\xD0", "a"}),
                         caseName);

TEST(AnsiArgument, IsANullPointerOnlyWhenThereIsNoText) {
    EXPECT_EQ(AnsiArgument().get(), nullptr);
    EXPECT_EQ(AnsiArgument(std::optional<std::string>()).get(), nullptr);
    const AnsiArgument empty(std::string{});
    ASSERT_NE(empty.get(), nullptr);
    EXPECT_STREQ(empty.get(), "");
    expectCodePage936();
    EXPECT_STREQ(AnsiArgument(std::optional<std::string>("中")).get(), "\xD6\xD0");
}

TEST(AnsiArgument, NullWhenEmptyPassesOnlyTheEmptyTextAsNull) {
    EXPECT_EQ(nullWhenEmpty("").get(), nullptr);
    expectCodePage936();
    EXPECT_STREQ(nullWhenEmpty("中").get(), "\xD6\xD0");
}

} // namespace
} // namespace tovra::platform::win32
