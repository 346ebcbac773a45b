#include "platform/emulated/CodePage936.h"

#include <gtest/gtest.h>
#include <string>

namespace tovra::platform::emulated {
namespace {

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool valid;
};

class Utf8Validity : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Validity, Judges) {
    EXPECT_EQ(isValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Table, Utf8Validity,
                         ::testing::Values(Utf8Case{"Empty", "", true},
                                           Utf8Case{"Ascii", "[s]\r\nk=v", true},
                                           Utf8Case{"Chinese", "图片", true},
                                           Utf8Case{"FourBytes", "\xF0\x9F\x98\x80", true},
                                           Utf8Case{"LargestCharacter", "\xF4\x8F\xBF\xBF", true},
                                           Utf8Case{"NulIsText", std::string("a\0b", 3), true},
                                           Utf8Case{"CodePage936", "\xD6\xD0\xCE\xC4", false},
                                           Utf8Case{"StrayContinuation", "a\x80", false},
                                           Utf8Case{"TruncatedAtTheEnd", "\xE5\x9B", false},
                                           Utf8Case{"OverlongSlash", "\xC0\xAF", false},
                                           Utf8Case{"OverlongThreeBytes", "\xE0\x80\xAF", false},
                                           Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                                           Utf8Case{"AboveTheLargest", "\xF4\x90\x80\x80", false},
                                           Utf8Case{"NeverALead", "\xFF", false}),
                         [](const ::testing::TestParamInfo<Utf8Case>& tested) {
                             return std::string(tested.param.name);
                         });

std::string repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

struct ConversionCase {
    const char* name;
    std::string codePage936;
    std::string utf8;
    bool exact; // every byte was code page 936, so the text converts back to them
};

class FromCodePage936 : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(FromCodePage936, ConvertsAndBackWhenExact) {
    bool exact = !GetParam().exact;
    EXPECT_EQ(utf8FromCodePage936(GetParam().codePage936, exact), GetParam().utf8);
    EXPECT_EQ(exact, GetParam().exact);
    std::string back = "kept ";
    if (exact) {
        ASSERT_TRUE(appendCodePage936(GetParam().utf8, back));
        EXPECT_EQ(back, "kept " + GetParam().codePage936);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FromCodePage936,
    ::testing::Values(ConversionCase{"Ascii", "[s]\r\nk=v", "[s]\r\nk=v", true},
                      ConversionCase{"Chinese", "\xD6\xD0\xCE\xC4\\\xCD\xBC\xC6\xAC", "中文\\图片",
                                     true},
                      ConversionCase{"Euro", "\x80", "€", true},
                      ConversionCase{"UndefinedByte",
                                     "a\xFF"
                                     "b",
                                     "a\xEF\xBF\xBD"
                                     "b",
                                     false},
                      ConversionCase{"CutLeadByteAtTheEnd", "a\xD6", "a\xEF\xBF\xBD", false},
                      ConversionCase{"LongerThanOneChunk", std::string(5000, '\xD6') + "\xD0",
                                     repeated("\xE7\xA7\x8D", 2500) + "\xEF\xBF\xBD", false},
                      ConversionCase{"LongerThanOneChunkBack", repeated("\xD6\xD0", 3000),
                                     repeated("中", 3000), true}),
    [](const ::testing::TestParamInfo<ConversionCase>& tested) {
        return std::string(tested.param.name);
    });

TEST(ToCodePage936, RefusesWhatItCannotHoldAndLeavesTheBytes) {
    for (const std::string text : {"图😀", "a\xFF"}) {
        std::string bytes = "kept";
        EXPECT_FALSE(appendCodePage936(text, bytes)) << text;
        EXPECT_EQ(bytes, "kept");
    }
}

struct PrefixCase {
    const char* name;
    std::string text;
    std::size_t maxBytes;
    std::string prefix;
};

class Utf8Prefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(Utf8Prefix, CutsBetweenCharacters) {
    EXPECT_EQ(utf8Prefix(GetParam().text, GetParam().maxBytes), GetParam().prefix);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8Prefix,
    ::testing::Values(PrefixCase{"Fits", "图片", 6, "图片"}, PrefixCase{"Roomy", "ab", 100, "ab"},
                      PrefixCase{"InsideSecond", "图片", 5, "图"},
                      PrefixCase{"AfterFirst", "图片", 3, "图"},
                      PrefixCase{"InsideFirst", "图片", 2, ""}, PrefixCase{"Zero", "ab", 0, ""},
                      PrefixCase{"FourByteCharacter", "a\xF0\x9F\x98\x80", 4, "a"}),
    [](const ::testing::TestParamInfo<PrefixCase>& tested) {
        return std::string(tested.param.name);
    });

} // namespace
} // namespace tovra::platform::emulated
