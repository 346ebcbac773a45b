// The start-up password prompt's answers and the protection window's load and
// save, against the emulated registry.

#include "app/core/PasswordHash.h"
#include "app/core/PasswordPrompt.h"
#include "app/core/ProtectionSettings.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"
#include "tests/support/RegistryFixture.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace tovra::shell {
namespace {

namespace reg = settings::reg;
using platform::RegValue;
using test::RegistryFixture;
using test::Seed;

Seed password(const std::string& value) {
    return {reg::kPasswordRoot, reg::kPasswordKey, "code", RegValue::text(value)};
}
Seed policy(const std::string& name, RegValue value) {
    return {reg::kPoliciesRoot, reg::kPoliciesKey, name, std::move(value)};
}

// ---- the prompt ----------------------------------------------------------------------

struct PromptCase {
    const char* name;
    std::optional<std::string> stored; // nothing: no value at all
    bool hashed;
    std::vector<std::string> typed;
    std::vector<PromptAnswer> answers;
    /// The password's key cannot be opened for writing (a standard user).
    bool passwordKeyRefused = false;
};

class PromptTable : public testing::TestWithParam<PromptCase>, public RegistryFixture {};

TEST_P(PromptTable, AnswersEachEntry) {
    const PromptCase& c = GetParam();
    if (c.hashed && !canHashPasswords()) {
        GTEST_SKIP() << "this build cannot hash passwords";
    }
    if (c.stored) {
        seed(password(c.hashed ? hashPassword(*c.stored) : *c.stored));
    }
    if (c.passwordKeyRefused) {
        registry.refuse(reg::kPasswordRoot);
    }
    PasswordPrompt prompt;
    std::vector<PromptAnswer> answers;
    for (const auto& entry : c.typed) {
        answers.push_back(prompt.check(registry, entry));
    }
    EXPECT_EQ(answers, c.answers);
    EXPECT_TRUE(registry.changes.empty());
}

using enum PromptAnswer;
INSTANTIATE_TEST_SUITE_P(
    Cases, PromptTable,
    testing::Values(
        // What matches is the hash's table (ShellRulesTest); here, the count.
        PromptCase{"TwoWrongThenRight", "pw", true, {"a", "PW", "pw"}, {TryAgain, TryAgain, Open}},
        PromptCase{"ThreeWrongLeave", "pw", false, {"a", "b", "c"}, {TryAgain, TryAgain, Leave}},
        PromptCase{"NoValueReadsEmpty", std::nullopt, false, {""}, {Open}},
        PromptCase{
            "ReadOnlyKeyStillHoldsThePassword", "pw", false, {"", "pw"}, {TryAgain, Open}, true}),
    [](const auto& test) { return std::string(test.param.name); });

// ---- the protection window -------------------------------------------------------------

struct LoadCase {
    const char* name;
    std::vector<Seed> seeds;
    bool noChangeStartMenu;
    bool noSaveSettings;
};

class LoadProtectionTable : public testing::TestWithParam<LoadCase>, public RegistryFixture {};

TEST_P(LoadProtectionTable, ChecksOnlyAStoredOne) {
    const LoadCase& c = GetParam();
    for (const auto& value : c.seeds) {
        seed(value);
    }
    seed(password("never shown"));
    ProtectionSettings expected;
    expected.noChangeStartMenu = c.noChangeStartMenu;
    expected.noSaveSettings = c.noSaveSettings;
    EXPECT_EQ(LoadProtection(registry), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadProtectionTable,
                         testing::Values(LoadCase{"Missing", {}, false, false},
                                         LoadCase{"Ones",
                                                  {policy("NoChangeStartMenu", RegValue::dword(1)),
                                                   policy("NoSaveSettings", RegValue::dword(1))},
                                                  true,
                                                  true},
                                         LoadCase{"ZeroAndTwo",
                                                  {policy("NoChangeStartMenu", RegValue::dword(0)),
                                                   policy("NoSaveSettings", RegValue::dword(2))},
                                                  false,
                                                  false},
                                         LoadCase{"TextOneAndBinary",
                                                  {policy("NoChangeStartMenu", RegValue::text("1")),
                                                   policy("NoSaveSettings", test::binaryValue())},
                                                  false,
                                                  false},
                                         LoadCase{"EachOnItsOwn",
                                                  {policy("NoSaveSettings", RegValue::dword(1))},
                                                  false,
                                                  true}),
                         [](const auto& test) { return std::string(test.param.name); });

enum class Code { Absent, Old, Verifies };

struct SaveCase {
    const char* name;
    ProtectionSettings settings;
    std::optional<ProtectionSaved> outcome; // nothing: the save fails
    Code code;
    /// The password's key cannot be opened for writing (a standard user).
    bool passwordKeyRefused = false;
};

class SaveProtectionTable : public testing::TestWithParam<SaveCase>, public RegistryFixture {};

TEST_P(SaveProtectionTable, WritesBothPoliciesThenThePassword) {
    const SaveCase& c = GetParam();
    if (c.code == Code::Verifies && !canHashPasswords()) {
        GTEST_SKIP() << "this build cannot hash passwords";
    }
    seed(password("old"));
    if (c.passwordKeyRefused) {
        registry.refuse(reg::kPasswordRoot);
    }
    if (c.outcome) {
        EXPECT_EQ(SaveProtection(registry, c.settings), *c.outcome);
    } else {
        EXPECT_THROW(SaveProtection(registry, c.settings), settings::RegistryError);
    }

    EXPECT_EQ(stored(reg::kPoliciesRoot, reg::kPoliciesKey, "NoChangeStartMenu"),
              RegValue::dword(c.settings.noChangeStartMenu ? 1 : 0));
    EXPECT_EQ(stored(reg::kPoliciesRoot, reg::kPoliciesKey, "NoSaveSettings"),
              RegValue::dword(c.settings.noSaveSettings ? 1 : 0));
    const auto code = stored(reg::kPasswordRoot, reg::kPasswordKey, "code");
    switch (c.code) {
    case Code::Absent:
        EXPECT_FALSE(code.has_value());
        break;
    case Code::Old:
        EXPECT_EQ(code, RegValue::text("old"));
        break;
    case Code::Verifies:
        ASSERT_TRUE(code.has_value());
        EXPECT_NE(code->asText(), c.settings.code);
        EXPECT_TRUE(isPasswordHash(code->asText()));
        EXPECT_TRUE(passwordMatches(code->asText(), c.settings.code));
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveProtectionTable,
    testing::Values(
        SaveCase{"NewPassword",
                 {true, false, "Neu9", "Neu9", false},
                 ProtectionSaved::Saved,
                 Code::Verifies},
        SaveCase{
            "EmptyPassword", {false, true, "", "", false}, ProtectionSaved::Saved, Code::Verifies},
        SaveCase{"MismatchKeepsThePasswordWritesThePolicies",
                 {true, true, "a", "b", true},
                 ProtectionSaved::PasswordMismatch,
                 Code::Old},
        SaveCase{"RemoveWhateverWasTyped",
                 {false, false, "typed", "typed", true},
                 ProtectionSaved::Saved,
                 Code::Absent},
        SaveCase{"PasswordRefusedFails",
                 {true, false, "Neu9", "Neu9", false},
                 std::nullopt,
                 Code::Old,
                 true},
        SaveCase{
            "RemovalRefusedFails", {false, true, "", "", true}, std::nullopt, Code::Old, true}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace tovra::shell
