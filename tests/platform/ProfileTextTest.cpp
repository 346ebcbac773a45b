#include "platform/emulated/ProfileText.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace tovra::platform::emulated {
namespace {

using namespace std::string_literals;

// Whatever a file holds, reading it and writing it back without a change
// gives the same bytes: the model never loses what it did not understand.
class ProfileTextRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(ProfileTextRoundTrip, SerializesToTheSameBytes) {
    EXPECT_EQ(ProfileText(GetParam()).serialize(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileTextRoundTrip,
    ::testing::Values(std::string(), std::string("\r\n"), std::string("no break"),
                      std::string("[s]\r\nk=v"), std::string("\n\n\r\r\n\r"),
                      std::string("[s]\rk = v \r\n; c\n\n[t\r\n=x\r\n"),
                      std::string("\t[ s ] tail\t\r\n  key\t=\t\"v\"  \r\n"),
                      "a\0b=c\0d\r\n[\0]\n"s,
                      std::string("\xFF\xFE garbage \x80\x81\r\r\r[[[]]]==\n")));

TEST(ProfileText, EditsKeepTheRestOfALineBreaklessFile) {
    ProfileText text("[s]\nk=v");
    EXPECT_TRUE(text.setValue("s", "j", "w"));
    EXPECT_FALSE(text.setValue("S", "J", "w")); // same value: nothing to write
    EXPECT_TRUE(text.deleteKey("s", "k"));
    EXPECT_EQ(text.serialize(), "[s]\nj=w\n");
    EXPECT_EQ(text.value("s", "j"), std::optional<std::string_view>("w"));
}

TEST(ProfileText, RefusesALineBreakThatWouldForgeLines) {
    ProfileText text("[s]\r\nk=v\r\n");
    EXPECT_THROW(text.setValue("s", "k", "v\r\n[forged]"), std::invalid_argument);
    EXPECT_THROW(text.setValue("s\n", "k", "v"), std::invalid_argument);
    EXPECT_EQ(text.serialize(), "[s]\r\nk=v\r\n");
}

TEST(ProfileText, ReadsFollowChanges) {
    ProfileText text("[s]\r\na=1\r\nb=2\r\n");
    ASSERT_EQ(text.value("s", "b"), std::optional<std::string_view>("2")); // builds the index
    EXPECT_TRUE(text.deleteKey("s", "a"));
    EXPECT_EQ(text.value("s", "b"), std::optional<std::string_view>("2"));
    EXPECT_EQ(text.value("s", "a"), std::nullopt);
    EXPECT_TRUE(text.setValue("t", "c", "3"));
    EXPECT_EQ(text.value("T", "C"), std::optional<std::string_view>("3"));
    EXPECT_TRUE(text.eraseSection("s"));
    EXPECT_EQ(text.keys("s"), std::vector<std::string>());
    EXPECT_EQ(text.sections(), std::vector<std::string>{"t"});
}

} // namespace
} // namespace tovra::platform::emulated
