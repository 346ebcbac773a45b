// The controls' window-free rules and the error guard every handler runs in.

#include "tests/support/HostStandIns.h"
#include "toolkit/ErrorGuard.h"
#include "toolkit/core/ErrorRoute.h"
#include "toolkit/core/ItemIndex.h"
#include "toolkit/core/StripLayout.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace tovra::toolkit {
namespace {

struct ItemIndexCase {
    int requested;
    int count;
    int selected;
};

class RadioItemIndex : public testing::TestWithParam<ItemIndexCase> {};

TEST_P(RadioItemIndex, BelowMinusOneSelectsNothingBeyondTheLastSelectsTheLast) {
    const ItemIndexCase& c = GetParam();
    EXPECT_EQ(radioItemIndex(c.requested, c.count), c.selected);
}

INSTANTIATE_TEST_SUITE_P(Rules, RadioItemIndex,
                         testing::Values(ItemIndexCase{-5, 4, -1}, ItemIndexCase{-1, 4, -1},
                                         ItemIndexCase{0, 4, 0}, ItemIndexCase{3, 4, 3},
                                         ItemIndexCase{4, 4, 3}, ItemIndexCase{7, 4, 3},
                                         ItemIndexCase{0, 0, -1}),
                         [](const auto& test) {
                             const auto number = [](int n) {
                                 return n < 0 ? "Minus" + std::to_string(-n) : std::to_string(n);
                             };
                             return number(test.param.requested) + "_Of" + number(test.param.count);
                         });

TEST(TabRows, TabsWrapIntoRowsThatTheyFillOnceMoreThanOneIsNeeded) {
    struct Case {
        std::vector<int> widths;
        int available;
        std::vector<TabPlace> places;
    };
    const Case cases[] = {
        // One row keeps the natural widths.
        {{98, 86}, 292, {{0, 0, 98}, {0, 98, 86}}},
        {{100, 192}, 292, {{0, 0, 100}, {0, 100, 192}}},
        // The fourth tab wraps; both rows are stretched, odd pixels first.
        {{98, 98, 86, 98}, 292, {{0, 0, 102}, {0, 102, 101}, {0, 203, 89}, {1, 0, 292}}},
        // A tab wider than the strip keeps its width in a row of its own.
        {{50, 400, 50}, 292, {{0, 0, 292}, {1, 0, 400}, {2, 0, 292}}},
        {{}, 292, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(layTabRows(c.widths, c.available), c.places) << c.widths.size();
    }
    EXPECT_EQ(tabRowCount(layTabRows({98, 98, 86, 98}, 292)), 2);
}

TEST(CheckListColumns, ALongCaptionBorrowsFromAColumnOfShortOnes) {
    struct Case {
        std::vector<int> widest;
        int available;
        std::vector<int> widths;
    };
    const Case cases[] = {
        {{61, 151}, 287, {99, 188}},   // spare 75: 38 and 37
        {{61, 151}, 212, {61, 151}},   // exactly enough
        {{160, 151}, 287, {144, 143}}, // too little: an even share, cut
        {{40}, 100, {100}},
        {{}, 100, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(columnWidths(c.widest, c.available), c.widths) << c.available;
    }
}

class ErrorGuard : public testing::Test {
protected:
    test::ScriptedMessageBoxes boxes{platform::kIdOk};
    ErrorRoute errors{boxes, "TovraDesktop"};
};

TEST_F(ErrorGuard, AFailureEndsTheBodyAndItsTextGoesToTheRoute) {
    struct Case {
        std::function<void()> fail;
        std::string text;
    };
    const Case cases[] = {
        {[] { throw std::runtime_error("Unable to write to a.ini"); }, "Unable to write to a.ini"},
        {[] { throw 42; }, "Unknown error"},
    };
    for (const Case& c : cases) {
        boxes.calls.clear();
        bool after = false;
        guarded(errors, [&] {
            c.fail();
            after = true;
        });
        EXPECT_FALSE(after);
        ASSERT_EQ(boxes.calls.size(), 1u);
        EXPECT_EQ(boxes.calls[0].text, c.text);
    }
}

TEST_F(ErrorGuard, ABodyThatSucceedsReportsNothingAndADiscardingRouteShowsNothing) {
    bool ran = false;
    guarded(errors, [&] { ran = true; });
    EXPECT_TRUE(ran);
    errors.previewWindowCreated();
    guarded(errors, [] { throw std::runtime_error("dropped"); });
    EXPECT_TRUE(boxes.calls.empty());
}

} // namespace
} // namespace tovra::toolkit
