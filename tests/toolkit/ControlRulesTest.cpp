// The controls' window-free rules and the error guard every handler runs in.

#include "tests/support/HostStandIns.h"
#include "toolkit/ErrorGuard.h"
#include "toolkit/core/ErrorRoute.h"
#include "toolkit/core/ItemIndex.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

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
