#include "settings/IniFile.h"

#include <gtest/gtest.h>
#include <optional>

namespace tovra::settings {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

class IniInteger : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IniInteger, Parses) {
    EXPECT_EQ(parseIniInteger(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniInteger,
    ::testing::Values(IntegerCase{"3500", 3500}, IntegerCase{"0", 0}, IntegerCase{"-12", -12},
                      IntegerCase{"+7", 7}, IntegerCase{"  42  ", 42}, IntegerCase{"0x10", 16},
                      IntegerCase{"0X1f", 31}, IntegerCase{"$ff", 255},
                      IntegerCase{"$FFFFFFFF", -1}, IntegerCase{"0x7fffffff", 2147483647},
                      IntegerCase{"-$10", -16}, IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"-2147483648", -2147483647 - 1},
                      IntegerCase{"2147483648", std::nullopt},
                      IntegerCase{"0x100000000", std::nullopt}, IntegerCase{"", std::nullopt},
                      IntegerCase{"abc", std::nullopt}, IntegerCase{"12abc", std::nullopt},
                      IntegerCase{"0x", std::nullopt}, IntegerCase{"$", std::nullopt},
                      IntegerCase{"--5", std::nullopt}, IntegerCase{"1 2", std::nullopt},
                      IntegerCase{"0xg", std::nullopt}, IntegerCase{"1.5", std::nullopt}));

struct PathCase {
    const char* executable;
    const char* ini;
};

class SettingsIniPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(SettingsIniPath, ReplacesTheExtension) {
    EXPECT_EQ(settingsIniPath(GetParam().executable), GetParam().ini);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsIniPath,
    ::testing::Values(PathCase{"/opt/tovra/TovraDesktop", "/opt/tovra/TovraDesktop.ini"},
                      PathCase{"/opt/tovra/desk.exe", "/opt/tovra/desk.ini"},
                      PathCase{"/opt/my.tools/desk", "/opt/my.tools/desk.ini"},
                      PathCase{"/opt/tools/desk.v2.exe", "/opt/tools/desk.v2.ini"},
                      PathCase{"/opt/tools/renamed", "/opt/tools/renamed.ini"}));

} // namespace
} // namespace tovra::settings
