// Which list entry the rotation applies, in order and at random, with files
// that have gone missing.

#include "wallpaper/core/NextEntry.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace tovra::wallpaper {
namespace {

struct ChoiceCase {
    const char* name;
    std::vector<bool> exists; // one per entry
    int selectMode;
    int picIndex;
    std::size_t drawn; // what the random draw gives
    std::optional<std::size_t> chosen;
    int picIndexAfter;
};

class NextEntryTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(NextEntryTest, ChoosesAndAdvances) {
    const ChoiceCase& c = GetParam();
    int picIndex = c.picIndex;
    const auto chosen = chooseNextEntry(
        c.exists.size(), c.selectMode, picIndex, [&c](std::size_t) { return c.drawn; },
        [&c](std::size_t position) { return c.exists[position]; });
    EXPECT_EQ(chosen, c.chosen);
    EXPECT_EQ(picIndex, c.picIndexAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, NextEntryTest,
    testing::Values(ChoiceCase{"InOrderStartsAtTheIndex", {true, true, true}, 0, 0, 0, 0, 1},
                    ChoiceCase{"InOrderTakesTheMiddle", {true, true, true}, 0, 1, 0, 1, 2},
                    ChoiceCase{"InOrderWrapsAfterTheLast", {true, true, true}, 0, 2, 0, 2, 0},
                    ChoiceCase{"IndexBeyondAShortenedList", {true, true}, 0, 5, 0, 0, 1},
                    ChoiceCase{"NegativeIndex", {true, true}, 0, -3, 0, 0, 1},
                    ChoiceCase{"MissingFileIsPassedOver", {false, true, true}, 0, 0, 0, 1, 2},
                    ChoiceCase{"MissingLastWrapsToTheStart", {true, true, false}, 0, 2, 0, 0, 1},
                    ChoiceCase{"NoFileExists", {false, false}, 0, 1, 0, std::nullopt, 1},
                    ChoiceCase{"EmptyList", {}, 0, 4, 0, std::nullopt, 4},
                    ChoiceCase{"SingleEntry", {true}, 0, 0, 0, 0, 0},
                    ChoiceCase{"AtRandomTakesTheDraw", {true, true, true}, 1, 0, 2, 2, 0},
                    ChoiceCase{"AtRandomMissingDrawTriesOn", {true, true, false}, 1, 1, 2, 0, 1}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(UniformEntryDraw, ReachesEveryPositionTheLastIncluded) {
    const EntryDraw draw = uniformEntryDraw();
    std::set<std::size_t> seen;
    for (int i = 0; i < 300; ++i) {
        const std::size_t position = draw(3);
        ASSERT_LT(position, 3u);
        seen.insert(position);
    }
    EXPECT_EQ(seen.size(), 3u);
}

} // namespace
} // namespace tovra::wallpaper
