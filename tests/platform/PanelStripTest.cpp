#include "platform/emulated/PanelStrip.h"

#include <gtest/gtest.h>

namespace tovra::platform::emulated {
namespace {

struct StripCase {
    const char* name;
    Rect screen;
    Rect available;
    std::optional<Rect> expected;
};

TEST(PanelStrip, IsTheEdgeStripThatTheAvailableAreaLeavesOut) {
    const Rect screen{0, 0, 1024, 768};
    const StripCase cases[] = {
        {"bottom", screen, {0, 0, 1024, 728}, Rect{0, 728, 1024, 768}},
        {"top", screen, {0, 40, 1024, 768}, Rect{0, 0, 1024, 40}},
        {"left", screen, {40, 0, 1024, 768}, Rect{0, 0, 40, 768}},
        {"right", screen, {0, 0, 984, 768}, Rect{984, 0, 1024, 768}},
        {"none", screen, screen, std::nullopt},
        {"a dock beats a thin top bar", screen, {64, 27, 1024, 768}, Rect{0, 0, 64, 768}},
        {"equal strips: the bottom first",
         {0, 0, 1000, 1000},
         {0, 40, 1000, 960},
         Rect{0, 960, 1000, 1000}},
        {"a screen away from the origin",
         {1024, 0, 2048, 768},
         {1024, 0, 2048, 740},
         Rect{1024, 740, 2048, 768}},
        {"available area outside the screen", screen, {-10, 0, 1024, 728}, std::nullopt},
        {"empty available area", screen, {}, std::nullopt},
        {"no screen at all", {}, {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(panelStrip(c.screen, c.available), c.expected);
    }
}

} // namespace
} // namespace tovra::platform::emulated
