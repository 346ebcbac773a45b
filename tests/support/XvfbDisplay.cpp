#include "tests/support/XvfbDisplay.h"

namespace tovra::test {

XvfbDisplay::XvfbDisplay(int width, int height)
    : server_({"Xvfb", "-displayfd", "{fd}", "-screen", "0",
               std::to_string(width) + "x" + std::to_string(height) + "x24", "-nolisten", "tcp"}) {
    if (!server_.firstLine().empty()) {
        name_ = ":" + server_.firstLine();
    }
}

} // namespace tovra::test
