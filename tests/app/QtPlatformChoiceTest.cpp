#include "app/core/QtPlatformChoice.h"

#include <gtest/gtest.h>

namespace tovra::mainwindow {
namespace {

TEST(QtPlatformChoiceTest, AWaylandSessionRunsThroughXWaylandUnlessAPlatformWasChosen) {
    const struct {
        const char* name;
        QtPlatformFacts facts;
        std::optional<std::string> expected;
    } cases[] = {
        {"Wayland with XWayland", {false, true, true}, "xcb"},
        {"the user chose a platform", {true, true, true}, std::nullopt},
        {"Wayland without XWayland", {false, true, false}, std::nullopt},
        {"X11", {false, false, true}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qtPlatformFor(c.facts), c.expected) << c.name;
    }
}

} // namespace
} // namespace tovra::mainwindow
