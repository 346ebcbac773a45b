// The application shell's window-free rules that need no registry: the fades
// of the splash and About windows tick by tick, and the password hash.

#include "app/core/Fade.h"
#include "app/core/PasswordHash.h"

#include <gtest/gtest.h>
#include <string>

namespace tovra::shell {
namespace {

// ---- fades -------------------------------------------------------------------------

struct FadeCase {
    const char* name;
    FadeRule rule;
    int intervalMs;
    int closingTick;
    int closingLevel;
};

class FadeTable : public testing::TestWithParam<FadeCase> {};

TEST_P(FadeTable, OpaqueThenTenLessEachTickUntilItCloses) {
    const FadeCase& c = GetParam();
    EXPECT_EQ(c.rule.intervalMs, c.intervalMs);
    FadeState fade(c.rule);
    int expectedLevel = kOpaqueLevel;
    for (int tick = 1; tick <= c.closingTick; ++tick) {
        const FadeTick step = fade.tick();
        const bool opaque = tick <= c.rule.opaqueTicks;
        if (!opaque) {
            expectedLevel -= 10;
        }
        EXPECT_EQ(step.fading, !opaque) << "tick " << tick;
        EXPECT_EQ(step.level, expectedLevel) << "tick " << tick;
        EXPECT_EQ(step.close, tick == c.closingTick) << "tick " << tick;
    }
    EXPECT_EQ(fade.level(), c.closingLevel);

    // A window opened again after a close starts opaque.
    fade.reset();
    EXPECT_EQ(fade.ticks(), 0);
    EXPECT_EQ(fade.level(), kOpaqueLevel);
    EXPECT_FALSE(fade.tick().fading);
}

INSTANTIATE_TEST_SUITE_P(Windows, FadeTable,
                         testing::Values(FadeCase{"Splash", kSplashFade, 100, 30, 5},
                                         FadeCase{"About", kAboutFade, 200, 44, 15}),
                         [](const auto& test) { return std::string(test.param.name); });

// ---- the password hash ---------------------------------------------------------------

struct MatchCase {
    const char* name;
    /// The password that was saved; nothing when stored is used as it stands.
    const char* saved;
    const char* stored;
    const char* typed;
    bool matches;
};

class PasswordMatch : public testing::TestWithParam<MatchCase> {};

TEST_P(PasswordMatch, HashVerifiesPlainTextComparesExactly) {
    const MatchCase& c = GetParam();
    std::string stored = c.stored;
    if (c.saved != nullptr) {
        if (!canHashPasswords()) {
            GTEST_SKIP() << "this build cannot hash passwords";
        }
        stored = hashPassword(c.saved);
        EXPECT_TRUE(isPasswordHash(stored));
        EXPECT_NE(stored, c.saved);
        if (*c.saved != '\0') {
            EXPECT_EQ(stored.find(c.saved), std::string::npos);
        }
        EXPECT_NE(hashPassword(c.saved), stored) << "each hash has a salt of its own";
    }
    EXPECT_EQ(passwordMatches(stored, c.typed), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasswordMatch,
    testing::Values(MatchCase{"HashRight", "Secret7", "", "Secret7", true},
                    MatchCase{"HashOtherCase", "Secret7", "", "secret7", false},
                    MatchCase{"HashOfEmpty", "", "", "", true},
                    MatchCase{"HashOfEmptyTypedSomething", "", "", "x", false},
                    MatchCase{"PlainRight", nullptr, "Old", "Old", true},
                    MatchCase{"PlainOtherCase", nullptr, "Old", "old", false},
                    MatchCase{"PlainEmpty", nullptr, "", "", true},
                    MatchCase{"BrokenHashIsNoPlainText", nullptr, "$argon2id$v=19$broken",
                              "$argon2id$v=19$broken", false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PasswordMatch, TheHashItselfTypedDoesNotOpen) {
    if (!canHashPasswords()) {
        GTEST_SKIP() << "this build cannot hash passwords";
    }
    const std::string stored = hashPassword("Secret7");
    EXPECT_FALSE(passwordMatches(stored, stored));
}

} // namespace
} // namespace tovra::shell
