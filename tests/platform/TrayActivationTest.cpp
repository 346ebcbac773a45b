#include "platform/TrayActivation.h"

#include "platform/TrayIcon.h"

#include <gtest/gtest.h>

namespace tovra::platform {
namespace {

TEST(TrayActivationTest, ASingleActivationStandsForTheDoubleClickWhereNoneIsReported) {
    const struct {
        TrayActivation activation;
        bool reportsDoubleClicks;
        std::intptr_t expected;
    } cases[] = {
        {TrayActivation::Single, true, kWmLButtonUp},
        {TrayActivation::Single, false, kWmLButtonDblClk},
        {TrayActivation::Double, true, kWmLButtonDblClk},
        {TrayActivation::Context, false, kWmRButtonUp},
        {TrayActivation::Middle, false, kWmMButtonUp},
        {TrayActivation::Unknown, false, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mouseMessageFor(c.activation, c.reportsDoubleClicks), c.expected)
            << static_cast<int>(c.activation) << (c.reportsDoubleClicks ? " with" : " without")
            << " double-clicks";
    }
}

} // namespace
} // namespace tovra::platform
